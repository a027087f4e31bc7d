#pragma once

#include <string>
#include <vector>

namespace dirnal {

// The drive of a path in this platform's terms: the drive root or UNC share
// on Windows, the longest of the given mount points on POSIX ("/" when none
// holds it).
std::string driveOfPath(const std::string& path, const std::vector<std::string>& drives);

}  // namespace dirnal
