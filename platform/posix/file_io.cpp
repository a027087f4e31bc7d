#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>

#include "platform/posix/directory_of.h"
#include "platform/posix/errno_error.h"

namespace dirnal {

FileContent readFileContent(const std::string& path)
{
    FileContent result;
    if (path.empty() || path.find('\0') != std::string::npos) {
        result.error = posix::refusal(FileError::Kind::InvalidPath);
        return result;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.error = posix::errorFrom(errno, FileError::Kind::NotFound);
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        result.error = posix::refusal(FileError::Kind::IsDirectory);
        return result;
    }
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            result.error = posix::errorFrom(errno);
            result.bytes.clear();
            break;
        }
        if (got == 0)
            break;
        result.bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return result;
}

std::string executableDirectory()
{
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0)
        return ".";
    return posix::directoryOf(std::string(buffer, static_cast<std::size_t>(length)));
}

void ignoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace dirnal
