#include "core/path_style.h"

namespace dirnal {

std::string joinPath(std::string_view directory, std::string_view name, PathStyle style)
{
    std::string joined(directory);
    const char separator = separatorOf(style);
    if (joined.empty() || joined.back() != separator)
        joined.push_back(separator);
    joined.append(name);
    return joined;
}

}  // namespace dirnal
