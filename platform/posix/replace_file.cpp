// Saving a file so that a failure never costs its old content, and so that
// the saved file is still the file the user and the system knew: a link
// stays a link, hard links and the file's owner, group and mode stay.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <new>
#include <utility>

#include "core/in_place_write.h"
#include "platform/file_io.h"
#include "platform/native_recovery_files.h"
#include "platform/posix/directory_of.h"
#include "platform/posix/errno_error.h"
#include "platform/posix/extended_attributes.h"
#include "platform/posix/interruption.h"
#include "platform/posix/temporary_file.h"

namespace dirnal {

namespace {

using posix::directoryOf;
using posix::errorFrom;
using Kind = FileError::Kind;

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now, for the error close reports.
    bool close() { return ::close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

bool writeAllAt(int fd, std::string_view content, off_t offset)
{
    while (!content.empty()) {
        const ssize_t written = ::pwrite(fd, content.data(), content.size(), offset);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return true;
}

// The file open at a descriptor, for writing it in place.
class DescriptorFile final : public OpenFile {
public:
    explicit DescriptorFile(int fd) : fd_(fd) {}

    FileContent readWhole() override
    {
        FileContent whole;
        try {
            char buffer[65536];
            for (off_t offset = 0;;) {
                const ssize_t got = ::pread(fd_, buffer, sizeof buffer, offset);
                if (got < 0 && errno == EINTR)
                    continue;
                if (got < 0)
                    whole.error = errorFrom(errno);
                if (got <= 0)
                    return whole;
                whole.bytes.append(buffer, static_cast<std::size_t>(got));
                offset += got;
            }
        } catch (const std::bad_alloc&) {
            whole.error = errorFrom(ENOMEM);
        }
        return whole;
    }

    std::optional<FileError> overwrite(std::string_view content) override
    {
        if (writeAllAt(fd_, content, 0) && ::ftruncate(fd_, static_cast<off_t>(content.size())) == 0 &&
            ::fsync(fd_) == 0)
            return std::nullopt;
        return errorFrom(errno);
    }

private:
    int fd_;
};

// Linux follows a link in a sticky, world-writable folder (like /tmp) only
// for the link's owner or the folder's owner, so that no one can lead
// another user's save onto a file of their choosing. A link resolved here
// by hand gets the same rule.
bool mayFollow(const struct stat& link, const std::string& folder)
{
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0)
        return false;
    const bool shared = (info.st_mode & S_ISVTX) && (info.st_mode & S_IWOTH);
    return !shared || link.st_uid == ::geteuid() || link.st_uid == info.st_uid;
}

struct Target {
    std::string path;
    std::optional<FileError> error;
};

// The file the path names once its symbolic links are followed, also when
// the last link points to nothing yet: the save creates that file.
Target followLinks(std::string path)
{
    for (int hop = 0; hop < 40; ++hop) {
        struct stat link {};
        if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
            return {path, std::nullopt};
        if (!mayFollow(link, directoryOf(path)))
            return {path, errorFrom(EACCES)};
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0)
            return {path, errorFrom(errno)};
        target.resize(static_cast<std::size_t>(length));
        path = target.starts_with('/') ? target : directoryOf(path) + "/" + target;
    }
    return {path, errorFrom(ELOOP)};
}

// Opens the existing file to write it in place (core/in_place_write.h).
std::optional<FileError> writeFileInPlace(const std::string& path, std::string_view content, RecoveryCopy& recovery)
{
    // Not blocking, should a pipe have taken the file's place meanwhile.
    Descriptor file(::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0)
        return errorFrom(errno);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        return errorFrom(errno);
    if (!S_ISREG(info.st_mode))
        return refusal(Kind::NotRegularFile);
    DescriptorFile opened(file.get());
    // A signal that ended the program half-way would leave the file part
    // old and part new.
    const posix::SignalsDeferred deferred;
    return writeInPlace(opened, content, recovery);
}

// The usual way: a complete new file beside the old one, moved over it in
// one step. It takes the old file's mode, owner, group and extended
// attributes (its access list among them). Where these cannot be kept, or
// the folder takes no new file, the old file is to be written in place
// instead.
Replacement replaceByRename(const std::string& path, std::string_view content, const struct stat* old)
{
    std::string temporary;
    Descriptor file(posix::createTemporaryBeside(path, temporary, 0666));
    if (file.get() < 0) {
        const int code = errno;
        FileError error = errorFrom(code, Kind::MissingDirectory);
        if (code == EACCES || code == EPERM)
            error.kind = Kind::FolderNotWritable;
        return {error, old && (code == EACCES || code == EPERM || code == EROFS)};
    }
    const posix::RemovedOnSignal removed(temporary);
    const auto fail = [&](int code, bool tryInPlace = false) {
        ::unlink(temporary.c_str());
        FileError error = errorFrom(code, Kind::MissingDirectory);
        if (!old && (code == EACCES || code == EPERM))
            error.kind = Kind::FolderNotWritable;
        return Replacement{error, tryInPlace};
    };
    if (old) {
        // Owner first: a change of owner clears the set-id bits the mode
        // restores. Where owner or group cannot be given, the new file would
        // take the mode with another owner or group: the old file is
        // written in place instead.
        if (::fchown(file.get(), old->st_uid, old->st_gid) != 0)
            return fail(EPERM, true);
        if (::fchmod(file.get(), old->st_mode & 07777) != 0)
            return fail(errno);
        if (!posix::copyExtendedAttributes(path, file.get()))
            return fail(errno, true);
    }
    if (!writeAllAt(file.get(), content, 0) || ::fsync(file.get()) != 0 || !file.close())
        return fail(errno);
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int code = errno;
        return fail(code, old && (code == EACCES || code == EPERM || code == EBUSY));
    }
    // Make the rename itself durable, as far as the folder allows.
    Descriptor folder(::open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
    return {};
}

}  // namespace

std::optional<FileError> replaceFileContent(const std::string& requested, std::string_view content)
{
    if (requested.empty() || requested.find('\0') != std::string::npos)
        return refusal(Kind::InvalidPath);
    const Target target = followLinks(requested);
    if (target.error)
        return target.error;
    const std::string& path = target.path;
    RecoveryCopy recovery(nativeRecoveryFiles(), requested, PathStyle::Posix);

    struct stat old {};
    if (::stat(path.c_str(), &old) != 0) {
        if (errno != ENOENT)
            return errorFrom(errno, Kind::MissingDirectory);
        const auto error = replaceByRename(path, content, nullptr).error;
        if (!error)
            recovery.discard();
        return error;
    }
    if (S_ISDIR(old.st_mode))
        return refusal(Kind::IsDirectory);
    if (!S_ISREG(old.st_mode))
        return refusal(Kind::NotRegularFile);
    // A write-protected file stays protected, as it would against an
    // ordinary write, also for an administrator.
    if ((old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return errorFrom(EACCES);
    if (::access(path.c_str(), W_OK) != 0)
        return errorFrom(errno);

    return saveExistingFile(
        old.st_nlink > 1, [&] { return replaceByRename(path, content, &old); },
        [&] { return writeFileInPlace(path, content, recovery); }, recovery);
}

}  // namespace dirnal
