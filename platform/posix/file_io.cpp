#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace dirnal {

namespace {

FileError errorFrom(int code, FileError::Kind fallback = FileError::Kind::Other)
{
    FileError error;
    error.systemMessage = std::strerror(code);
    switch (code) {
    case EACCES:
    case EPERM:
        error.kind = FileError::Kind::AccessDenied;
        break;
    case EROFS:
        error.kind = FileError::Kind::ReadOnlyMedium;
        break;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        error.kind = FileError::Kind::NoSpace;
        break;
    case EISDIR:
        error.kind = FileError::Kind::IsDirectory;
        break;
    case ENOENT:
    case ENOTDIR:
        error.kind = fallback;
        break;
    default:
        error.kind = FileError::Kind::Other;
        break;
    }
    return error;
}

std::string directoryOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool writeAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A file name beside the target that no one else uses.
std::string temporaryNameBeside(const std::string& target)
{
    static std::atomic<unsigned> counter{0};
    const std::string directory = directoryOf(target);
    return (directory == "/" ? "" : directory) + "/.dirnal.lst." + std::to_string(::getpid()) + "." +
           std::to_string(counter++) + ".tmp";
}

}  // namespace

std::optional<FileError> replaceFileContent(const std::string& requested, std::string_view content)
{
    if (requested.empty() || requested.find('\0') != std::string::npos)
        return FileError{FileError::Kind::NotFound, "empty or malformed path"};

    // Replace what a link points to, not the link.
    std::string path = requested;
    struct stat info {};
    if (::lstat(requested.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(requested.c_str(), resolved))
            path = resolved;
    }

    mode_t mode = 0666;
    const bool exists = ::stat(path.c_str(), &info) == 0;
    if (exists) {
        if (S_ISDIR(info.st_mode))
            return errorFrom(EISDIR);
        // A write-protected file stays protected, as it would against an
        // ordinary write, also for an administrator.
        if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0)
            return FileError{FileError::Kind::AccessDenied, std::strerror(EACCES)};
        mode = info.st_mode & 07777;
    }

    const std::string temporary = temporaryNameBeside(path);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return errorFrom(errno, FileError::Kind::MissingDirectory);

    const auto fail = [&](int code) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return errorFrom(code, FileError::Kind::MissingDirectory);
    };
    if (exists && ::fchmod(fd, mode) != 0)
        return fail(errno);
    if (!writeAll(fd, content))
        return fail(errno);
    if (::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        return errorFrom(code);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        return errorFrom(code, FileError::Kind::MissingDirectory);
    }
    // Make the rename itself durable.
    const int directory = ::open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0) {
        ::fsync(directory);
        ::close(directory);
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
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.error = errorFrom(errno, FileError::Kind::NotFound);
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        result.error = errorFrom(EISDIR);
        return result;
    }
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            result.error = errorFrom(errno);
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
    return directoryOf(std::string(buffer, static_cast<std::size_t>(length)));
}

}  // namespace dirnal
