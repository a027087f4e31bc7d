#pragma once

#include <string>
#include <vector>

namespace dirnal {

// The drives a user can pick: on POSIX "/" first, then the mount points a
// file manager would offer (real devices and network shares; no pseudo file
// systems, no system mounts), in display order.
std::vector<std::string> mountedDrives();

}  // namespace dirnal
