// Saving a file so that a failure never costs its old content, and so that
// the saved file is still the file the user and the system knew: a link is
// followed, hard links and the file's attributes stay.
#include <windows.h>
#include <aclapi.h>

#include <algorithm>
#include <new>
#include <optional>

#include "core/in_place_write.h"
#include "platform/file_io.h"
#include "platform/native_recovery_files.h"
#include "platform/win32/device_path.h"
#include "platform/win32/handle.h"
#include "platform/win32/interruption.h"
#include "platform/win32/last_error.h"
#include "platform/win32/temporary_file.h"
#include "platform/win32/wide.h"

namespace dirnal {

namespace {

using win32::errorFrom;
using win32::Handle;
using Kind = FileError::Kind;

bool writeAll(HANDLE file, std::string_view content)
{
    while (!content.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size(), 1u << 20));
        DWORD written = 0;
        if (!::WriteFile(file, content.data(), chunk, &written, nullptr))
            return false;
        content.remove_prefix(written);
    }
    return true;
}

// The file open at a handle, for writing it in place.
class HandleFile final : public OpenFile {
public:
    explicit HandleFile(HANDLE file) : file_(file) {}

    FileContent readWhole() override
    {
        FileContent whole;
        if (!toStart()) {
            whole.error = errorFrom(::GetLastError());
            return whole;
        }
        try {
            char buffer[65536];
            for (DWORD got = 1; got != 0;) {
                if (!::ReadFile(file_, buffer, sizeof buffer, &got, nullptr)) {
                    whole.error = errorFrom(::GetLastError());
                    break;
                }
                whole.bytes.append(buffer, got);
            }
        } catch (const std::bad_alloc&) {
            whole.error = errorFrom(ERROR_NOT_ENOUGH_MEMORY);
        }
        return whole;
    }

    std::optional<FileError> overwrite(std::string_view content) override
    {
        if (toStart() && writeAll(file_, content) && ::SetEndOfFile(file_) && ::FlushFileBuffers(file_))
            return std::nullopt;
        return errorFrom(::GetLastError());
    }

private:
    bool toStart() { return ::SetFilePointerEx(file_, LARGE_INTEGER{}, nullptr, FILE_BEGIN); }

    HANDLE file_;
};

// The path of the file a symbolic link leads to.
std::optional<std::wstring> finalPathOf(HANDLE file)
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetFinalPathNameByHandleW(file, path.data(), static_cast<DWORD>(path.size()), 0);
        if (length == 0)
            return std::nullopt;
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(length);
    }
}

// Opens the existing file to write it in place (core/in_place_write.h).
std::optional<FileError> writeFileInPlace(const std::wstring& path, std::string_view content, RecoveryCopy& recovery)
{
    Handle file(::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return errorFrom(::GetLastError());
    if (::GetFileType(file.get()) != FILE_TYPE_DISK)
        return refusal(Kind::NotRegularFile);
    HandleFile opened(file.get());
    // A console event that ended the program half-way would leave the
    // file part old and part new.
    const win32::ConsoleEventsDeferred deferred;
    return writeInPlace(opened, content, recovery);
}

// The old file's access list (DACL), as it is or inherited from the folder.
bool copyAccessList(const std::wstring& from, HANDLE to)
{
    PACL list = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (::GetNamedSecurityInfoW(from.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &list,
                                nullptr, &descriptor) != ERROR_SUCCESS)
        return false;
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    const bool isProtected = ::GetSecurityDescriptorControl(descriptor, &control, &revision) &&
                             (control & SE_DACL_PROTECTED);
    const DWORD which = DACL_SECURITY_INFORMATION |
                        (isProtected ? PROTECTED_DACL_SECURITY_INFORMATION : UNPROTECTED_DACL_SECURITY_INFORMATION);
    const DWORD code = ::SetSecurityInfo(to, SE_FILE_OBJECT, which, nullptr, nullptr, list, nullptr);
    ::LocalFree(descriptor);
    ::SetLastError(code);
    return code == ERROR_SUCCESS;
}

// The usual way: a complete new file beside the old one, moved over it in
// one step. It takes the old file's hidden, system and archive marks and
// its access list; where that cannot be kept, the old file is to be
// written in place instead.
Replacement replaceByMove(const std::wstring& path, std::string_view content, std::optional<DWORD> oldAttributes)
{
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                            FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    const DWORD attributes = oldAttributes && (*oldAttributes & kKept) ? *oldAttributes & kKept : FILE_ATTRIBUTE_NORMAL;
    std::wstring temporary;
    Handle file(win32::createTemporaryBeside(path, GENERIC_WRITE | WRITE_DAC, attributes, temporary));
    // Denied access to the folder: the old file may still be written in place.
    const auto failure = [&](DWORD code) {
        FileError error = errorFrom(code, Kind::MissingDirectory);
        if (code == ERROR_ACCESS_DENIED)
            error.kind = Kind::FolderNotWritable;
        return Replacement{error, oldAttributes && code == ERROR_ACCESS_DENIED};
    };
    if (!file.valid())
        return failure(::GetLastError());
    const win32::RemovedOnConsoleEvent removed(temporary);
    const auto fail = [&](DWORD code) {
        file.close();
        ::DeleteFileW(temporary.c_str());
        return failure(code);
    };
    if (oldAttributes && !copyAccessList(path, file.get())) {
        Replacement inPlace = fail(::GetLastError());
        inPlace.tryInPlace = true;
        return inPlace;
    }
    if (!writeAll(file.get(), content) || !::FlushFileBuffers(file.get()))
        return fail(::GetLastError());
    file.close();
    if (!::MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return fail(::GetLastError());
    return {};
}

// A link that points to no file yet: the file is made where it points,
// and taken away again if it cannot be written whole.
std::optional<FileError> createThroughLink(const std::wstring& link, std::string_view content)
{
    Handle file(::CreateFileW(link.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                              nullptr));
    if (!file.valid())
        return errorFrom(::GetLastError(), Kind::MissingDirectory);
    if (writeAll(file.get(), content) && ::FlushFileBuffers(file.get()))
        return std::nullopt;
    const FileError error = errorFrom(::GetLastError());
    FILE_DISPOSITION_INFO dispose{TRUE};
    ::SetFileInformationByHandle(file.get(), FileDispositionInfo, &dispose, sizeof dispose);
    return error;
}

}  // namespace

std::optional<FileError> replaceFileContent(const std::string& requested, std::string_view content)
{
    if (requested.empty() || requested.find('\0') != std::string::npos)
        return refusal(Kind::InvalidPath);
    const std::wstring asked = win32::widen(requested);
    if (win32::inDeviceNamespace(asked))
        return refusal(Kind::NotRegularFile);
    const DWORD askedAttributes = ::GetFileAttributesW(asked.c_str());
    const bool isLink = askedAttributes != INVALID_FILE_ATTRIBUTES && (askedAttributes & FILE_ATTRIBUTE_REPARSE_POINT);

    // The old file seen through its links, not opened for writing.
    Handle query(::CreateFileW(asked.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE |
                               FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!query.valid()) {
        const DWORD code = ::GetLastError();
        if (code != ERROR_FILE_NOT_FOUND)
            return errorFrom(code, Kind::MissingDirectory);
        if (isLink)
            return createThroughLink(asked, content);
        const auto error = replaceByMove(asked, content, std::nullopt).error;
        if (!error)
            RecoveryCopy(nativeRecoveryFiles(), requested, PathStyle::Windows).discard();
        return error;
    }
    if (::GetFileType(query.get()) != FILE_TYPE_DISK)
        return refusal(Kind::NotRegularFile);
    BY_HANDLE_FILE_INFORMATION old{};
    if (!::GetFileInformationByHandle(query.get(), &old))
        return errorFrom(::GetLastError());
    if (old.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return refusal(Kind::IsDirectory);
    if (old.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
        return errorFrom(ERROR_ACCESS_DENIED);
    std::wstring path = asked;
    if (isLink) {
        const auto target = finalPathOf(query.get());
        if (!target)
            return errorFrom(::GetLastError());
        path = *target;
    }
    query.close();

    RecoveryCopy recovery(nativeRecoveryFiles(), requested, PathStyle::Windows);
    return saveExistingFile(
        old.nNumberOfLinks > 1, [&] { return replaceByMove(path, content, old.dwFileAttributes); },
        [&] { return writeFileInPlace(path, content, recovery); }, recovery);
}

}  // namespace dirnal
