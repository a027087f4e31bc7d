#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <new>

#include "platform/posix/directory_of.h"
#include "platform/posix/errno_error.h"

namespace dirnal {

FileContent readFileContent(const std::string& path, std::size_t maxBytes)
{
    FileContent result;
    if (path.empty() || path.find('\0') != std::string::npos) {
        result.error = refusal(FileError::Kind::InvalidPath);
        return result;
    }
    // Not blocking: a pipe or a device behind the name must not stop the program.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        result.error = posix::errorFrom(errno, FileError::Kind::NotFound);
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        result.error = S_ISDIR(info.st_mode) ? refusal(FileError::Kind::IsDirectory)
                                             : refusal(FileError::Kind::NotRegularFile);
        ::close(fd);
        return result;
    }
    try {
        char buffer[65536];
        // One byte more than asked tells whether the file goes on.
        while (result.bytes.size() <= maxBytes) {
            const std::size_t wanted = std::min(sizeof buffer, maxBytes + 1 - result.bytes.size());
            const ssize_t got = ::read(fd, buffer, wanted);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                result.error = posix::errorFrom(errno);
                break;
            }
            if (got == 0)
                break;
            result.bytes.append(buffer, static_cast<std::size_t>(got));
        }
    } catch (const std::bad_alloc&) {
        result.error = posix::errorFrom(ENOMEM);
    }
    result.dropOnErrorElseCutTo(maxBytes);
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
