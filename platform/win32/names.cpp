// Drives, network shares and short/long names on Win32.
#include <windows.h>
#include <winnetwk.h>

#include "platform/module1.h"
#include "platform/win32/wide.h"

namespace dirnal {

namespace {

class Win32Drives final : public DriveTable {
public:
    std::vector<std::string> driveRoots() const override
    {
        std::vector<std::string> roots;
        wchar_t buffer[128] = {};
        const DWORD length = ::GetLogicalDriveStringsW(128, buffer);
        if (length == 0 || length > 128)
            return roots;
        for (const wchar_t* root = buffer; *root; root += wcslen(root) + 1)
            roots.push_back(win32::narrow(root));
        return roots;
    }

    std::optional<std::string> remoteName(const std::string& localName) const override
    {
        const std::wstring local = win32::widen(localName);
        DWORD size = 512;
        std::wstring remote(size, L'\0');
        DWORD result = ::WNetGetConnectionW(local.c_str(), remote.data(), &size);
        if (result == ERROR_MORE_DATA) {
            // A longer share name than usual: ask again with the size named.
            remote.assign(size, L'\0');
            result = ::WNetGetConnectionW(local.c_str(), remote.data(), &size);
        }
        if (result != NO_ERROR)
            return std::nullopt;
        remote.resize(wcslen(remote.c_str()));
        return win32::narrow(remote);
    }
};

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

const DriveTable& platformDrives()
{
    static const Win32Drives drives;
    return drives;
}

}  // namespace dirnal
