#include "platform/win32/win32_directory_lister.h"

#include <windows.h>

#include <algorithm>

#include "core/path_style.h"
#include "platform/dir_exists.h"
#include "platform/win32/last_error.h"
#include "platform/win32/wide.h"

namespace dirnal {

namespace {

std::optional<DirectoryIdentity> identityOfWide(const std::wstring& directory)
{
    // Opening a directory needs the backup-semantics flag; no access right
    // is asked for, so this works wherever the listing does.
    const HANDLE handle = ::CreateFileW(directory.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool ok = ::GetFileInformationByHandle(handle, &info) != 0;
    ::CloseHandle(handle);
    if (!ok)
        return std::nullopt;
    return DirectoryIdentity{info.dwVolumeSerialNumber,
                             (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

}  // namespace

bool Win32DirectoryLister::dirExists(const std::string& path) const
{
    return DirExists(path);
}

Existence Win32DirectoryLister::existence(const std::string& path) const
{
    return DirectoryExistence(path);
}

std::optional<DirectoryIdentity> Win32DirectoryLister::identityOf(const std::string& directory) const
{
    if (directory.empty() || directory.find('\0') != std::string::npos)
        return std::nullopt;
    return identityOfWide(win32::widen(directory));
}

DirectoryListing Win32DirectoryLister::list(const std::string& directory) const
{
    DirectoryListing listing;
    if (directory.empty() || directory.find('\0') != std::string::npos)
        return listing;

    const std::wstring wideDirectory = win32::widen(directory);
    std::wstring pattern = wideDirectory;
    if (!pattern.empty() && pattern.back() != L'\\')
        pattern += L'\\';
    pattern += L'*';

    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchLimitToDirectories,
                                             nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        // The search says what a directory holds, and that it is one; only
        // when it fails are the attributes asked for, to tell a path that
        // names no directory from one that cannot be read. A directory
        // without even "." and ".." (a drive root) matches nothing.
        const DWORD code = ::GetLastError();
        if (!DirExists(directory))
            return listing;
        listing.status = code == ERROR_FILE_NOT_FOUND ? DirectoryListing::Status::Listed
                                                      : DirectoryListing::Status::Unreadable;
        if (code != ERROR_FILE_NOT_FOUND)
            listing.error = win32::errorFrom(code);
        return listing;
    }
    std::vector<FoundSubdirectory> names;
    do {
        const DWORD attributes = found.dwFileAttributes;
        const std::wstring_view name(found.cFileName);
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 || name == L"." || name == L"..")
            continue;
        if (hidden_ == HiddenFolders::LeftOut && (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0)
            continue;
        // A junction or a symbolic link to a folder is a reparse point.
        names.push_back({win32::narrow(name), (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0});
    } while (::FindNextFileW(search, &found));
    const DWORD ended = ::GetLastError();
    ::FindClose(search);
    if (ended != ERROR_NO_MORE_FILES) {
        listing.status = DirectoryListing::Status::Unreadable;
        listing.error = win32::errorFrom(ended);
        return listing;
    }

    return listingOf(directory, std::move(names), PathStyle::Windows);
}

}  // namespace dirnal
