#include <windows.h>

#include "platform/dir_exists.h"
#include "platform/win32/attributes.h"

namespace dirnal {

bool DirExists(const std::string& path) noexcept
{
    const DWORD attributes = win32::attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

Existence DirectoryExistence(const std::string& path) noexcept
{
    if (path.empty() || path.find('\0') != std::string::npos)
        return Existence::Missing;
    DWORD previousMode = 0;
    const bool quiet = ::SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previousMode) != FALSE;
    const DWORD attributes = ::GetFileAttributesW(win32::widen(path).c_str());
    const DWORD code = ::GetLastError();
    if (quiet)
        ::SetThreadErrorMode(previousMode, nullptr);
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? Existence::Directory : Existence::Missing;
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY:
        return Existence::Missing;
    default:
        // No access, a share or server that does not answer, a drive not
        // ready or not mapped here.
        return Existence::Unknown;
    }
}

}  // namespace dirnal
