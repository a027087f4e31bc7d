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

#include <QStorageInfo>

#include <algorithm>

#include "core/name_order.h"

namespace dirnal {

namespace {

bool isNetworkFileSystem(const QByteArray& type)
{
    static const QList<QByteArray> network = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "fuse.sshfs",
                                              "fuse.rclone", "davfs", "9p"};
    return network.contains(type);
}

bool isSystemMount(const QString& root)
{
    static const QStringList hidden = {"/proc", "/sys", "/dev", "/run", "/boot", "/snap", "/var", "/usr",
                                       "/etc", "/tmp"};
    for (const QString& prefix : hidden) {
        if (root == prefix || root.startsWith(prefix + u'/'))
            return !root.startsWith(QStringLiteral("/run/media/"));
    }
    return false;
}

}  // namespace

std::vector<std::string> mountedDrives()
{
    std::vector<std::string> drives{"/"};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (!volume.isValid() || !volume.isReady() || root == QStringLiteral("/") || isSystemMount(root))
            continue;
        const bool realDevice = volume.device().startsWith("/dev/") && !volume.device().startsWith("/dev/loop");
        if (realDevice || isNetworkFileSystem(volume.fileSystemType()))
            drives.push_back(root.toStdString());
    }
    std::sort(drives.begin() + 1, drives.end(),
              [](const std::string& a, const std::string& b) { return displayOrderLess(a, b); });
    drives.erase(std::unique(drives.begin(), drives.end()), drives.end());
    return drives;
}

}  // namespace dirnal

#endif
