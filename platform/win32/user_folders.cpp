#include "platform/user_folders.h"

#include <windows.h>
#include <shlobj.h>

#include <atomic>

#include "platform/dir_exists.h"
#include "platform/win32/handle.h"
#include "platform/win32/wide.h"

namespace dirnal {

std::optional<std::string> documentsDirectory()
{
    PWSTR path = nullptr;
    std::optional<std::string> folder;
    if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_Documents, KF_FLAG_DEFAULT, nullptr, &path)) && path && *path)
        folder = win32::narrow(path);
    ::CoTaskMemFree(path);
    return folder;
}

bool canCreateFileIn(const std::string& directory)
{
    // Windows decides by the folder's access list, its owner, the user's
    // groups and privileges, and the medium: only making a file tells. The
    // probe has a name no one else uses and goes when its handle closes.
    if (!DirExists(directory))
        return false;
    static std::atomic<unsigned> counter{0};
    const bool separated = directory.ends_with('\\') || directory.ends_with('/');
    const std::wstring stem = win32::widen(directory) + (separated ? L"" : L"\\") + L".dirnal-probe." +
                              std::to_wstring(::GetCurrentProcessId()) + L".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::wstring name = stem + std::to_wstring(counter++) + L".tmp";
        const win32::Handle probe(::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                                FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY |
                                                    FILE_FLAG_DELETE_ON_CLOSE,
                                                nullptr));
        if (probe.valid())
            return true;
        if (::GetLastError() != ERROR_FILE_EXISTS)
            return false;
    }
    return false;
}

}  // namespace dirnal
