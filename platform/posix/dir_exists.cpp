#include "platform/dir_exists.h"

#include <sys/stat.h>

namespace dirnal {

bool DirExists(const std::string& path) noexcept
{
    // A NUL inside the text would silently shorten the path the OS sees.
    if (path.empty() || path.find('\0') != std::string::npos)
        return false;
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace dirnal
