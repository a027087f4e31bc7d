#pragma once

#include <string>
#include <vector>

namespace dirnal {

// The drives a user can pick, in display order, read without asking any of
// them (a hung mount never answers). On Windows the roots of the logical
// drives ("C:\", "D:\", ...), whether ready or not; on POSIX "/" first,
// then the mount points a file manager would offer (real devices and
// network shares; no pseudo file systems, no system mounts).
std::vector<std::string> mountedDrives();

#ifndef _WIN32
// Whether a drive answers and is ready to be offered: its file system tells
// its size. May wait as long as the file system does.
bool driveAnswers(const std::string& drive);
#endif

}  // namespace dirnal
