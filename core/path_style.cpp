#include "core/path_style.h"

#include <filesystem>

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

std::string directoryPathForm(const std::string& path, PathStyle style)
{
    // Through UTF-8 both ways: on Windows a plain string would pass the
    // ANSI code page and lose every character outside it.
    const std::u8string utf8(path.begin(), path.end());
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(std::filesystem::path(utf8), error);
    if (error)
        absolute = std::filesystem::path(utf8);
    const std::u8string normalUtf8 = absolute.lexically_normal().u8string();
    std::string normal(normalUtf8.begin(), normalUtf8.end());
    const char separator = separatorOf(style);
    const auto isRoot = [&] {
        return normal.size() == 1 || (style == PathStyle::Windows && normal.size() == 3 && normal[1] == ':');
    };
    while (normal.size() > 1 && normal.back() == separator && !isRoot())
        normal.pop_back();
    return normal;
}

}  // namespace dirnal
