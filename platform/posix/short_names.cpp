#include "platform/short_names.h"

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

}  // namespace dirnal
