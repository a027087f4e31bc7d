#include "platform/module1.h"

namespace dirnal {

// POSIX file systems have one name per path.
std::string ShortPathName(const std::string& path)
{
    return path;
}

std::string LongPathName(const std::string& path)
{
    return path;
}

const DriveTable& platformDrives()
{
    static const NoDrives none;
    return none;
}

}  // namespace dirnal
