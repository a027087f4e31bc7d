#include "platform/qt/mounted_drives.h"

#ifdef _WIN32

#include "platform/platform_drives.h"

namespace dirnal {

// The system's own list of drive letters: also the drives not ready (a card
// reader without a card), so that picking one says it is not available.
std::vector<std::string> mountedDrives()
{
    return platformDrives().driveRoots();
}

}  // namespace dirnal

#else

#include <mntent.h>
#include <sys/statvfs.h>

#include <algorithm>
#include <array>
#include <string_view>

#include "core/name_order.h"

namespace dirnal {

namespace {

bool isNetworkFileSystem(std::string_view type)
{
    static constexpr std::array<std::string_view, 9> network = {"nfs",        "nfs4",        "cifs",  "smb3", "smbfs",
                                                                "fuse.sshfs", "fuse.rclone", "davfs", "9p"};
    return std::find(network.begin(), network.end(), type) != network.end();
}

bool isSystemMount(std::string_view root)
{
    static constexpr std::array<std::string_view, 10> hidden = {"/proc", "/sys",  "/dev", "/run", "/boot",
                                                                "/snap", "/var",  "/usr", "/etc", "/tmp"};
    for (const std::string_view prefix : hidden) {
        if (root == prefix || (root.starts_with(prefix) && root.size() > prefix.size() && root[prefix.size()] == '/'))
            return !root.starts_with("/run/media/");
    }
    return false;
}

}  // namespace

// The mount table as the kernel keeps it: reading it asks no file system.
std::vector<std::string> mountedDrives()
{
    std::vector<std::string> drives{"/"};
    if (FILE* table = ::setmntent("/proc/self/mounts", "r")) {
        while (const mntent* mount = ::getmntent(table)) {
            const std::string_view root = mount->mnt_dir;
            const std::string_view device = mount->mnt_fsname;
            if (root == "/" || isSystemMount(root))
                continue;
            const bool realDevice = device.starts_with("/dev/") && !device.starts_with("/dev/loop");
            if (realDevice || isNetworkFileSystem(mount->mnt_type))
                drives.emplace_back(root);
        }
        ::endmntent(table);
    }
    std::sort(drives.begin() + 1, drives.end(),
              [](const std::string& a, const std::string& b) { return displayOrderLess(a, b); });
    drives.erase(std::unique(drives.begin(), drives.end()), drives.end());
    return drives;
}

// A file system without blocks is no drive to store anything on.
bool driveAnswers(const std::string& drive)
{
    struct statvfs sizes {};
    return ::statvfs(drive.c_str(), &sizes) == 0 && sizes.f_blocks > 0;
}

}  // namespace dirnal

#endif
