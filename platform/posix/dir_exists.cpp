#include "platform/dir_exists.h"

#include <sys/stat.h>

#include <cerrno>

namespace dirnal {

bool DirExists(const std::string& path) noexcept
{
    // A NUL inside the text would silently shorten the path the OS sees.
    if (path.empty() || path.find('\0') != std::string::npos)
        return false;
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

Existence DirectoryExistence(const std::string& path) noexcept
{
    if (path.empty() || path.find('\0') != std::string::npos)
        return Existence::Missing;
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0)
        return S_ISDIR(info.st_mode) ? Existence::Directory : Existence::Missing;
    // Only these say there is nothing; no access on the way, a share that
    // does not answer, a link loop or a name too long say nothing of it.
    return errno == ENOENT || errno == ENOTDIR ? Existence::Missing : Existence::Unknown;
}

}  // namespace dirnal
