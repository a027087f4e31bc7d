#pragma once

#include <string>
#include <vector>

namespace dirnal {

// On POSIX a "drive" is a mount point. The drive of a path is the longest
// of the given mount points that contains it; "/" when none does.
std::string driveOfPath(const std::string& path, const std::vector<std::string>& drives);

}  // namespace dirnal
