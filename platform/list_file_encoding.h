#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dirnal {

// The list file's 8-bit encoding. Entries are UTF-8 inside the program. On
// POSIX the bytes of a path are written as they are, so no name is changed
// and names that are not UTF-8 survive; on Windows the list file uses the
// ANSI code page, and an entry it cannot hold exactly has no encoding (a
// look-alike letter would name another folder).
std::optional<std::string> toListFileEncoding(std::string_view entry);
std::string fromListFileEncoding(std::string_view bytes);
// The ANSI code page on Windows; none on POSIX.
std::optional<unsigned> listFileCodePage();

}  // namespace dirnal
