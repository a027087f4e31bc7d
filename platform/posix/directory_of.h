#pragma once

#include <string>

namespace dirnal::posix {

// The folder part of a path: "." for a bare name, "/" for a name in the root.
inline std::string directoryOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace dirnal::posix
