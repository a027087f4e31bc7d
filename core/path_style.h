#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dirnal {

// Which separator paths use: the core handles Windows-style and POSIX-style
// paths alike; the platform tells which one is native.
enum class PathStyle { Windows, Posix };

constexpr char separatorOf(PathStyle style) { return style == PathStyle::Windows ? '\\' : '/'; }

// Joins a directory and a file name with exactly one separator: none is
// added when the directory already ends with one (a drive root).
std::string joinPath(std::string_view directory, std::string_view name, PathStyle style);

// True for a path from a root: "C:..." or "\\..." on Windows (also with
// "/"), "/..." on POSIX; false for one relative to some folder.
bool isAbsolutePath(std::string_view path, PathStyle style);

// The file name every list file has.
inline constexpr std::string_view kListFileName = "dirnal.lst";

// The form a directory panel reports a folder in: absolute (against the
// working directory), without "." and ".." parts, and without a trailing
// separator except at a root. The command-line tool writes its start
// folder in the same form, so both give the same list.
std::string directoryPathForm(const std::string& path, PathStyle style);

// The drive a path lies on. Windows: the drive root with an upper-case
// letter ("C:\") or the share of a UNC path ("\\srv\share"); empty for a
// path without either. POSIX, where a drive is a mount point: the longest
// of the given mount points that holds the path, "/" when none does.
std::string driveOfPath(std::string_view path, const std::vector<std::string>& mountPoints, PathStyle style);

// The folders from the root down to a directory in directoryPathForm, the
// root first: "/", "/home", "/home/cad"; "C:\", "C:\cad"; "\\srv\share",
// "\\srv\share\cad".
std::vector<std::string> folderChain(std::string_view directory, PathStyle style);

// The name a directory list shows for a folder: its last part, or the
// whole path for a root ("/", "C:\", "\\srv\share").
std::string folderDisplayName(std::string_view folder, PathStyle style);

}  // namespace dirnal
