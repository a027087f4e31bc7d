// The logical drives and the network shares behind them, on Win32.
#include <windows.h>
#include <winnetwk.h>

#include <cwchar>

#include "platform/platform_drives.h"
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

}  // namespace

const DriveTable& platformDrives()
{
    static const Win32Drives drives;
    return drives;
}

}  // namespace dirnal
