#include "platform/drive_of.h"

namespace dirnal {

namespace {
bool contains(const std::string& mountPoint, const std::string& path)
{
    if (mountPoint == "/")
        return !path.empty() && path.front() == '/';
    if (!path.starts_with(mountPoint))
        return false;
    return path.size() == mountPoint.size() || path[mountPoint.size()] == '/';
}
}  // namespace

std::string driveOfPath(const std::string& path, const std::vector<std::string>& drives)
{
    std::string best = "/";
    for (const std::string& drive : drives) {
        if (drive.size() > best.size() && contains(drive, path))
            best = drive;
    }
    return best;
}

}  // namespace dirnal
