#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <limits>

#include "platform/file_io.h"
#include "platform/native_recovery_files.h"
#include "platform/user_folders.h"
#include "platform/win32/file_owner.h"
#include "platform/win32/handle.h"
#include "platform/win32/interruption.h"
#include "platform/win32/last_error.h"
#include "platform/win32/temporary_file.h"
#include "platform/win32/wide.h"

namespace dirnal {

namespace {

using win32::Handle;

// Recovery copies on Windows. A copy counts only where this user made it:
// a folder's access list may let others make files beside the list file.
class Win32RecoveryFiles final : public RecoveryFiles {
public:
    std::string finalPath(const std::string& path) const override
    {
        const Handle file(::CreateFileW(win32::widen(path).c_str(), FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        if (!file.valid())
            return path;
        std::wstring final(32768, L'\0');
        const DWORD length = ::GetFinalPathNameByHandleW(file.get(), final.data(), 32768, 0);
        if (length == 0 || length >= 32768)
            return path;
        final.resize(length);
        if (final.starts_with(L"\\\\?\\UNC\\"))
            final = L"\\" + final.substr(7);
        else if (final.starts_with(L"\\\\?\\"))
            final = final.substr(4);
        return win32::narrow(final);
    }

    FileContent readWhole(const std::string& path) const override
    {
        return readFileContent(path, std::numeric_limits<std::size_t>::max() / 2);
    }

    std::optional<FileError> writeDurably(const std::string& path, std::string_view bytes) override
    {
        const std::wstring target = win32::widen(path);
        std::wstring temporary;
        Handle file(win32::createTemporaryBeside(target, GENERIC_WRITE, FILE_ATTRIBUTE_HIDDEN, temporary));
        if (!file.valid())
            return win32::errorFrom(::GetLastError(), FileError::Kind::MissingDirectory);
        const win32::RemovedOnConsoleEvent removed(temporary);
        bool written = true;
        for (std::string_view rest = bytes; written && !rest.empty();) {
            DWORD count = 0;
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(rest.size(), 1u << 20));
            written = ::WriteFile(file.get(), rest.data(), chunk, &count, nullptr);
            rest.remove_prefix(count);
        }
        written = written && ::FlushFileBuffers(file.get());
        const DWORD code = ::GetLastError();
        file.close();
        if (!written ||
            !::MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            const FileError error = win32::errorFrom(written ? ::GetLastError() : code);
            ::DeleteFileW(temporary.c_str());
            return error;
        }
        return std::nullopt;
    }

    void remove(const std::string& path) override { ::DeleteFileW(win32::widen(path).c_str()); }

    std::vector<std::string> ownFilesStartingWith(const std::string& directory,
                                                  const std::string& prefix) const override
    {
        std::vector<std::string> found;
        const std::wstring folder = win32::widen(directory);
        const std::wstring base = folder.ends_with(L'\\') || folder.ends_with(L'/') ? folder : folder + L"\\";
        WIN32_FIND_DATAW entry{};
        const HANDLE search = ::FindFirstFileW((base + win32::widen(prefix) + L"*").c_str(), &entry);
        if (search == INVALID_HANDLE_VALUE)
            return found;
        do {
            // The pattern also matches short (8.3) names: the long one must start so.
            if (!(entry.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) &&
                std::wstring_view(entry.cFileName).starts_with(win32::widen(prefix)) &&
                win32::ownedByThisUser(base + entry.cFileName))
                found.push_back(win32::narrow(base + entry.cFileName));
        } while (::FindNextFileW(search, &entry));
        ::FindClose(search);
        return found;
    }

    bool canCreateFileIn(const std::string& directory) const override { return dirnal::canCreateFileIn(directory); }

    std::optional<std::string> stateDirectory(bool make) override
    {
        PWSTR local = nullptr;
        std::optional<std::wstring> folder;
        if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_DEFAULT, nullptr, &local)) && local &&
            *local)
            folder = std::wstring(local) + L"\\dirnal-lst";
        ::CoTaskMemFree(local);
        if (!folder || (make && !::CreateDirectoryW(folder->c_str(), nullptr) &&
                        ::GetLastError() != ERROR_ALREADY_EXISTS))
            return std::nullopt;
        return win32::narrow(*folder);
    }
};

}  // namespace

RecoveryFiles& nativeRecoveryFiles()
{
    static Win32RecoveryFiles files;
    return files;
}

}  // namespace dirnal
