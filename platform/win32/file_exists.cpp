#include <windows.h>

#include "platform/file_exists.h"
#include "platform/win32/attributes.h"

namespace dirnal {

bool FileExists(const std::string& path) noexcept
{
    const DWORD attributes = win32::attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace dirnal
