#include "platform/file_io.h"

#include <windows.h>

#include <algorithm>
#include <new>

#include "platform/win32/device_path.h"
#include "platform/win32/handle.h"
#include "platform/win32/last_error.h"
#include "platform/win32/wide.h"

namespace dirnal {

FileContent readFileContent(const std::string& path, std::size_t maxBytes)
{
    FileContent result;
    if (path.empty() || path.find('\0') != std::string::npos) {
        result.error = refusal(FileError::Kind::InvalidPath);
        return result;
    }
    const std::wstring wide = win32::widen(path);
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        result.error = refusal(FileError::Kind::IsDirectory);
        return result;
    }
    if (win32::inDeviceNamespace(wide)) {
        result.error = refusal(FileError::Kind::NotRegularFile);
        return result;
    }
    const win32::Handle file(::CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                           OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.valid()) {
        result.error = win32::errorFrom(::GetLastError());
        return result;
    }
    if (::GetFileType(file.get()) != FILE_TYPE_DISK) {
        result.error = refusal(FileError::Kind::NotRegularFile);
        return result;
    }
    try {
        char buffer[65536];
        // One byte more than asked tells whether the file goes on.
        while (result.bytes.size() <= maxBytes) {
            const auto wanted = static_cast<DWORD>(std::min(sizeof buffer, maxBytes + 1 - result.bytes.size()));
            DWORD got = 0;
            if (!::ReadFile(file.get(), buffer, wanted, &got, nullptr)) {
                result.error = win32::errorFrom(::GetLastError());
                break;
            }
            if (got == 0)
                break;
            result.bytes.append(buffer, got);
        }
    } catch (const std::bad_alloc&) {
        result.error = win32::errorFrom(ERROR_NOT_ENOUGH_MEMORY);
    }
    result.dropOnErrorElseCutTo(maxBytes);
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
    return win32::narrow(buffer.substr(0, buffer.find_last_of(L"\\/")));
}

void ignoreFileSizeSignal() {}

}  // namespace dirnal
