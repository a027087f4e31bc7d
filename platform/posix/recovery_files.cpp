#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <limits>

#include "platform/file_io.h"
#include "platform/native_recovery_files.h"
#include "platform/posix/directory_of.h"
#include "platform/posix/errno_error.h"
#include "platform/posix/interruption.h"
#include "platform/posix/temporary_file.h"
#include "platform/user_folders.h"

namespace dirnal {

namespace {

class PosixRecoveryFiles final : public RecoveryFiles {
public:
    std::string finalPath(const std::string& path) const override
    {
        char resolved[PATH_MAX];
        return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
    }

    FileContent readWhole(const std::string& path) const override
    {
        return readFileContent(path, std::numeric_limits<std::size_t>::max() / 2);
    }

    // A new file under a random name, moved over the name: a link planted
    // there is replaced, not followed. Readable by this user alone, as the
    // list may name folders others are not to see.
    std::optional<FileError> writeDurably(const std::string& path, std::string_view bytes) override
    {
        std::string temporary;
        const int fd = posix::createTemporaryBeside(path, temporary, 0600);
        if (fd < 0)
            return posix::errorFrom(errno, FileError::Kind::MissingDirectory);
        const posix::RemovedOnSignal removed(temporary);
        int code = 0;
        for (std::string_view rest = bytes; code == 0 && !rest.empty();) {
            const ssize_t count = ::write(fd, rest.data(), rest.size());
            if (count >= 0)
                rest.remove_prefix(static_cast<std::size_t>(count));
            else if (errno != EINTR)
                code = errno;
        }
        if (code == 0 && ::fsync(fd) != 0)
            code = errno;
        if (::close(fd) != 0 && code == 0)
            code = errno;
        if (code == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
            code = errno;
        if (code != 0) {
            ::unlink(temporary.c_str());
            return posix::errorFrom(code);
        }
        // The name, too, is to survive a power loss.
        const int folder = ::open(posix::directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder < 0 || ::fsync(folder) != 0)
            code = errno;
        if (folder >= 0)
            ::close(folder);
        if (code != 0) {
            ::unlink(path.c_str());
            return posix::errorFrom(code);
        }
        return std::nullopt;
    }

    void remove(const std::string& path) override { ::unlink(path.c_str()); }

    std::vector<std::string> ownFilesStartingWith(const std::string& directory,
                                                  const std::string& prefix) const override
    {
        std::vector<std::string> found;
        DIR* folder = ::opendir(directory.c_str());
        if (!folder)
            return found;
        const std::string base = directory.ends_with('/') ? directory : directory + "/";
        while (const dirent* entry = ::readdir(folder)) {
            const std::string path = base + entry->d_name;
            struct stat info {};
            if (std::string_view(entry->d_name).starts_with(prefix) && ::lstat(path.c_str(), &info) == 0 &&
                S_ISREG(info.st_mode) && info.st_uid == ::geteuid())
                found.push_back(path);
        }
        ::closedir(folder);
        return found;
    }

    bool canCreateFileIn(const std::string& directory) const override { return dirnal::canCreateFileIn(directory); }

    std::optional<std::string> stateDirectory(bool make) override
    {
        const char* state = std::getenv("XDG_STATE_HOME");
        const char* home = std::getenv("HOME");
        std::string folder;
        if (state && *state == '/')
            folder = state;
        else if (home && *home == '/')
            folder = std::string(home) + "/.local/state";
        else
            return std::nullopt;
        folder += "/dirnal-lst";
        for (std::size_t slash = folder.find('/', 1); make; slash = folder.find('/', slash + 1)) {
            if (::mkdir(folder.substr(0, slash).c_str(), 0700) != 0 && errno != EEXIST)
                return std::nullopt;
            if (slash == std::string::npos)
                break;
        }
        return folder;
    }
};

}  // namespace

RecoveryFiles& nativeRecoveryFiles()
{
    static PosixRecoveryFiles files;
    return files;
}

}  // namespace dirnal
