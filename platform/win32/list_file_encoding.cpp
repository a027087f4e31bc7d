#include "platform/list_file_encoding.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace dirnal {

// The list file is written in the ANSI code page; a character it cannot
// hold becomes what the system's conversion makes of it (a similar letter,
// else a question mark).
std::string toListFileEncoding(std::string_view entry)
{
    const std::wstring wide = win32::widen(entry);
    if (wide.empty())
        return {};
    const int size =
        ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), size, nullptr,
                          nullptr);
    return bytes;
}

std::string fromListFileEncoding(std::string_view bytes)
{
    if (bytes.empty())
        return {};
    const int size = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), size);
    return win32::narrow(wide);
}

}  // namespace dirnal
