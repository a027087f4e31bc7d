#include "platform/list_file_encoding.h"

namespace dirnal {

std::optional<std::string> toListFileEncoding(std::string_view entry)
{
    return std::string(entry);
}

std::string fromListFileEncoding(std::string_view bytes)
{
    return std::string(bytes);
}

std::optional<unsigned> listFileCodePage()
{
    return std::nullopt;
}

}  // namespace dirnal
