#include "platform/file_io.h"

#include <windows.h>

#include <algorithm>
#include <atomic>

#include "platform/win32/wide.h"

namespace dirnal {

namespace {

std::string systemMessage(DWORD code)
{
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
        reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string message = length ? win32::narrow(std::wstring_view(text, length)) : "error " + std::to_string(code);
    if (text)
        ::LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
        message.pop_back();
    return message;
}

FileError errorFrom(DWORD code, FileError::Kind notFound = FileError::Kind::NotFound)
{
    FileError error;
    error.systemMessage = systemMessage(code);
    switch (code) {
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
        error.kind = FileError::Kind::MissingDirectory;
        break;
    case ERROR_FILE_NOT_FOUND:
        error.kind = notFound;
        break;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        error.kind = FileError::Kind::AccessDenied;
        break;
    case ERROR_WRITE_PROTECT:
        error.kind = FileError::Kind::ReadOnlyMedium;
        break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        error.kind = FileError::Kind::NoSpace;
        break;
    default:
        error.kind = FileError::Kind::Other;
        break;
    }
    return error;
}

std::wstring directoryOf(const std::wstring& path)
{
    const auto separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring(L".") : path.substr(0, separator);
}

struct Handle {
    HANDLE value;
    ~Handle()
    {
        if (value != INVALID_HANDLE_VALUE)
            ::CloseHandle(value);
    }
};

}  // namespace

std::optional<FileError> replaceFileContent(const std::string& requested, std::string_view content)
{
    if (requested.empty() || requested.find('\0') != std::string::npos)
        return FileError{FileError::Kind::NotFound, "empty or malformed path"};
    const std::wstring path = win32::widen(requested);

    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY)
            return FileError{FileError::Kind::IsDirectory, systemMessage(ERROR_DIRECTORY)};
        if (attributes & FILE_ATTRIBUTE_READONLY)
            return FileError{FileError::Kind::AccessDenied, systemMessage(ERROR_ACCESS_DENIED)};
    }

    static std::atomic<unsigned> counter{0};
    const std::wstring temporary = directoryOf(path) + L"\\.dirnal.lst." + std::to_wstring(::GetCurrentProcessId()) +
                                   L"." + std::to_wstring(counter++) + L".tmp";
    {
        Handle file{::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                  nullptr)};
        if (file.value == INVALID_HANDLE_VALUE)
            return errorFrom(::GetLastError(), FileError::Kind::MissingDirectory);
        std::string_view rest = content;
        while (!rest.empty()) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(rest.size(), 1u << 20));
            DWORD written = 0;
            if (!::WriteFile(file.value, rest.data(), chunk, &written, nullptr)) {
                const DWORD code = ::GetLastError();
                ::CloseHandle(file.value);
                file.value = INVALID_HANDLE_VALUE;
                ::DeleteFileW(temporary.c_str());
                return errorFrom(code);
            }
            rest.remove_prefix(written);
        }
        if (!::FlushFileBuffers(file.value)) {
            const DWORD code = ::GetLastError();
            ::CloseHandle(file.value);
            file.value = INVALID_HANDLE_VALUE;
            ::DeleteFileW(temporary.c_str());
            return errorFrom(code);
        }
    }
    if (!::MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD code = ::GetLastError();
        ::DeleteFileW(temporary.c_str());
        return errorFrom(code, FileError::Kind::MissingDirectory);
    }
    return std::nullopt;
}

FileContent readFileContent(const std::string& path)
{
    FileContent result;
    if (path.empty() || path.find('\0') != std::string::npos) {
        result.error = FileError{FileError::Kind::NotFound, "empty or malformed path"};
        return result;
    }
    const std::wstring wide = win32::widen(path);
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        result.error = FileError{FileError::Kind::IsDirectory, systemMessage(ERROR_DIRECTORY)};
        return result;
    }
    Handle file{::CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr)};
    if (file.value == INVALID_HANDLE_VALUE) {
        result.error = errorFrom(::GetLastError());
        return result;
    }
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file.value, buffer, sizeof buffer, &got, nullptr)) {
            result.error = errorFrom(::GetLastError());
            result.bytes.clear();
            break;
        }
        if (got == 0)
            break;
        result.bytes.append(buffer, got);
    }
    return result;
}

std::string executableDirectory()
{
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return ".";
        if (length < buffer.size()) {
            buffer.resize(length);
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    return win32::narrow(directoryOf(buffer));
}

}  // namespace dirnal
