#include "platform/posix_directory_lister.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "core/name_order.h"
#include "core/path_style.h"
#include "platform/dir_exists.h"

namespace dirnal {

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

bool isSubdirectory(int dirFd, const dirent& entry)
{
    if (entry.d_type == DT_DIR)
        return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    struct stat info {};
    return ::fstatat(dirFd, entry.d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

bool PosixDirectoryLister::dirExists(const std::string& path) const
{
    return DirExists(path);
}

DirectoryListing PosixDirectoryLister::list(const std::string& directory) const
{
    DirectoryListing listing;
    if (directory.empty() || directory.find('\0') != std::string::npos)
        return listing;

    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        listing.status = DirExists(directory) ? DirectoryListing::Status::Unreadable
                                              : DirectoryListing::Status::NotADirectory;
        return listing;
    }
    DirHandle dir(::fdopendir(fd));
    if (!dir) {
        ::close(fd);
        listing.status = DirectoryListing::Status::Unreadable;
        return listing;
    }

    struct stat self {};
    if (::fstat(fd, &self) == 0)
        listing.identity = DirectoryIdentity{static_cast<std::uint64_t>(self.st_dev),
                                             static_cast<std::uint64_t>(self.st_ino)};

    std::vector<std::string> names;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir.get());
        if (!entry)
            break;
        if (entry->d_name[0] == '.')
            continue;
        if (isSubdirectory(fd, *entry))
            names.emplace_back(entry->d_name);
    }
    if (errno != 0) {
        listing.status = DirectoryListing::Status::Unreadable;
        return listing;
    }

    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return displayOrderLess(a, b); });
    listing.subdirectories.reserve(names.size());
    for (const std::string& name : names)
        listing.subdirectories.push_back(joinPath(directory, name, PathStyle::Posix));
    listing.status = DirectoryListing::Status::Listed;
    return listing;
}

}  // namespace dirnal
