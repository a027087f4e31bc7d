#pragma once

#include <string>
#include <vector>

namespace dirnal {

// The drives a user can pick, in display order. On Windows the roots of the
// logical drives ("C:\", "D:\", ...), whether ready or not; on POSIX "/"
// first, then the mount points a file manager would offer (real devices and
// network shares; no pseudo file systems, no system mounts).
std::vector<std::string> mountedDrives();

}  // namespace dirnal
