#include <windows.h>

#include "platform/dir_exists.h"
#include "platform/win32/wide.h"

namespace dirnal {

namespace {
DWORD attributesOf(const std::string& path) noexcept
{
    if (path.empty() || path.find('\0') != std::string::npos)
        return INVALID_FILE_ATTRIBUTES;
    return ::GetFileAttributesW(win32::widen(path).c_str());
}
}  // namespace

bool DirExists(const std::string& path) noexcept
{
    const DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool FileExists(const std::string& path) noexcept
{
    const DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace dirnal
