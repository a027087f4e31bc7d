#include "platform/list_file_encoding.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace dirnal {

namespace {

std::string toCodePage(UINT codePage, const std::wstring& wide, DWORD flags, BOOL* usedDefault)
{
    const int length = static_cast<int>(wide.size());
    const int size = ::WideCharToMultiByte(codePage, flags, wide.data(), length, nullptr, 0, nullptr, usedDefault);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(codePage, flags, wide.data(), length, bytes.data(), size, nullptr, usedDefault);
    return bytes;
}

std::wstring fromCodePage(UINT codePage, std::string_view bytes)
{
    const int length = static_cast<int>(bytes.size());
    const int size = ::MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    ::MultiByteToWideChar(codePage, 0, bytes.data(), length, wide.data(), size);
    return wide;
}

}  // namespace

// The list file is written in the ANSI code page, each character exactly:
// no look-alike letter in place of one it lacks (a different folder), no
// default character. Converting back must give the name again.
std::optional<std::string> toListFileEncoding(std::string_view entry)
{
    if (entry.empty())
        return std::string();
    const std::wstring wide = win32::widen(entry);
    const UINT codePage = ::GetACP();
    // UTF-8 as the system's code page takes neither the flag nor the question.
    const bool utf8 = codePage == CP_UTF8;
    BOOL usedDefault = FALSE;
    const std::string bytes = toCodePage(codePage, wide, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, utf8 ? nullptr : &usedDefault);
    if (usedDefault || bytes.empty() || fromCodePage(codePage, bytes) != wide)
        return std::nullopt;
    return bytes;
}

std::string fromListFileEncoding(std::string_view bytes)
{
    if (bytes.empty())
        return {};
    return win32::narrow(fromCodePage(CP_ACP, bytes));
}

std::optional<unsigned> listFileCodePage()
{
    return ::GetACP();
}

}  // namespace dirnal
