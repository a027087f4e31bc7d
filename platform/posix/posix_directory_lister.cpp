#include "platform/posix/posix_directory_lister.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef __linux__
#include <sys/syscall.h>
#endif

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <utility>

#include "core/path_style.h"
#include "platform/dir_exists.h"
#include "platform/posix/errno_error.h"

namespace dirnal {

namespace {

bool isListedName(const char* name, HiddenFolders hidden)
{
    // Hidden names begin with a dot, and so do "." and "..".
    if (name[0] != '.')
        return true;
    return hidden == HiddenFolders::Listed && name[1] != '\0' && !(name[1] == '.' && name[2] == '\0');
}

// Adds the entry when it is a directory, or a link to one.
void addIfSubdirectory(int dirFd, unsigned char type, const char* name, std::vector<FoundSubdirectory>& found)
{
    if (type == DT_DIR) {
        found.push_back({name, false});
        return;
    }
    if (type != DT_LNK && type != DT_UNKNOWN)
        return;
    // Only links and entries of unknown type need a look at what they are;
    // an entry of unknown type may be a link too.
    struct stat info {};
    if (::fstatat(dirFd, name, &info, 0) == 0 && S_ISDIR(info.st_mode))
        found.push_back({name, true});
}

#ifdef __linux__
// The kernel's directory record, read in large batches: a small directory
// is read with one call and one more that says it ended.
struct LinuxDirent64 {
    std::uint64_t d_ino;
    std::int64_t d_off;
    unsigned short d_reclen;
    unsigned char d_type;
    char d_name[1];
};

bool readSubdirectories(int fd, HiddenFolders hidden, std::vector<FoundSubdirectory>& found)
{
    alignas(8) char buffer[32768];
    for (;;) {
        const long got = ::syscall(SYS_getdents64, fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (got == 0)
            return true;
        for (long offset = 0; offset < got;) {
            const auto* entry = reinterpret_cast<const LinuxDirent64*>(buffer + offset);
            if (isListedName(entry->d_name, hidden))
                addIfSubdirectory(fd, entry->d_type, entry->d_name, found);
            offset += entry->d_reclen;
        }
    }
}
#else
bool readSubdirectories(int fd, HiddenFolders hidden, std::vector<FoundSubdirectory>& found)
{
    const int own = ::dup(fd);
    DIR* dir = own < 0 ? nullptr : ::fdopendir(own);
    if (!dir) {
        if (own >= 0)
            ::close(own);
        return false;
    }
    bool complete = true;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (!entry) {
            complete = errno == 0;
            break;
        }
        if (isListedName(entry->d_name, hidden))
            addIfSubdirectory(fd, entry->d_type, entry->d_name, found);
    }
    ::closedir(dir);
    return complete;
}
#endif

}  // namespace

bool PosixDirectoryLister::dirExists(const std::string& path) const
{
    return DirExists(path);
}

Existence PosixDirectoryLister::existence(const std::string& path) const
{
    return DirectoryExistence(path);
}

std::optional<DirectoryIdentity> PosixDirectoryLister::identityOf(const std::string& directory) const
{
    struct stat info {};
    if (directory.empty() || directory.find('\0') != std::string::npos || ::stat(directory.c_str(), &info) != 0)
        return std::nullopt;
    return DirectoryIdentity{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

DirectoryListing PosixDirectoryLister::list(const std::string& directory) const
{
    if (directory.empty() || directory.find('\0') != std::string::npos)
        return {};
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DirectoryListing listing = listOpened(fd, directory);
    if (fd >= 0)
        ::close(fd);
    return listing;
}

void PosixDirectoryLister::listChildren(const std::string& parent, std::span<const std::string> children,
                                        const ChildListed& listed) const
{
    // Opening each child relative to its parent spares the kernel walking
    // the whole path again for every one of them; for one child alone the
    // parent's own open and close would cost more than they spare. Going on
    // below a child, the child's own descriptor is the parent's.
    int parentFd = children.size() > 1 && parent.find('\0') == std::string::npos
                       ? ::open(parent.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC)
                       : -1;
    for (std::size_t i = 0; i < children.size(); ++i) {
        const std::string& child = children[i];
        const std::size_t slash = child.find_last_of('/');
        int fd = -1;
        DirectoryListing listing;
        if (!child.empty() && child.find('\0') == std::string::npos) {
            // The name is the rest of the path. A path too long for the
            // system to open whole is not reached from its parent either,
            // so that every listing gives what list() gives.
            fd = parentFd >= 0 && slash != std::string::npos && child.size() < PATH_MAX
                     ? ::openat(parentFd, child.c_str() + slash + 1, O_RDONLY | O_DIRECTORY | O_CLOEXEC)
                     : ::open(child.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            listing = listOpened(fd, child);
        }
        const AfterListing next = listed(i, std::move(listing));
        if (next.more && !next.below.empty()) {
            if (parentFd >= 0)
                ::close(parentFd);
            parentFd = std::exchange(fd, -1);
            children = next.below;
            i = static_cast<std::size_t>(-1);
        }
        if (fd >= 0)
            ::close(fd);
        if (!next.more)
            break;
    }
    if (parentFd >= 0)
        ::close(parentFd);
}

DirectoryListing PosixDirectoryLister::listOpened(int fd, const std::string& directory) const
{
    DirectoryListing listing;
    if (fd < 0) {
        // Only a path that names nothing, or no directory, has nothing
        // below it. Every other failure hides what is below: no search
        // right on the folder above (readable, mode 644), a path longer
        // than the system takes (a tree deeper than PATH_MAX), no access.
        const int code = errno;
        const bool nothingThere = (code == ENOENT || code == ENOTDIR) && !DirExists(directory);
        listing.status = nothingThere ? DirectoryListing::Status::NotADirectory : DirectoryListing::Status::Unreadable;
        listing.error = posix::errorFrom(code, FileError::Kind::MissingDirectory);
        return listing;
    }
    std::vector<FoundSubdirectory> found;
    const bool complete = readSubdirectories(fd, hidden_, found);
    const int code = errno;
    if (!complete) {
        listing.status = DirectoryListing::Status::Unreadable;
        listing.error = posix::errorFrom(code, FileError::Kind::MissingDirectory);
        return listing;
    }

    return listingOf(directory, std::move(found), PathStyle::Posix);
}

}  // namespace dirnal
