// Short (8.3) and long names on Win32.
#include <windows.h>

#include "platform/short_names.h"
#include "platform/win32/wide.h"

namespace dirnal {

namespace {

// Calls a GetShortPathNameW-like function with a buffer that grows to the
// size the platform asks for, so that no name is cut off.
template <typename Function>
std::string pathName(const std::string& path, Function function)
{
    const std::wstring wide = win32::widen(path);
    std::wstring buffer(256, L'\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        const DWORD length = function(wide.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return win32::narrow(buffer);
        }
        buffer.assign(length + 1, L'\0');
    }
    return {};
}

}  // namespace

std::string ShortPathName(const std::string& path)
{
    return pathName(path, ::GetShortPathNameW);
}

std::string LongPathName(const std::string& path)
{
    return pathName(path, ::GetLongPathNameW);
}

}  // namespace dirnal
