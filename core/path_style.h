#pragma once

#include <string>
#include <string_view>

namespace dirnal {

// Which separator paths use: the core handles Windows-style and POSIX-style
// paths alike; the platform tells which one is native.
enum class PathStyle { Windows, Posix };

constexpr char separatorOf(PathStyle style) { return style == PathStyle::Windows ? '\\' : '/'; }

// Joins a directory and a file name with exactly one separator: none is
// added when the directory already ends with one (a drive root).
std::string joinPath(std::string_view directory, std::string_view name, PathStyle style);

// The file name every list file has.
inline constexpr std::string_view kListFileName = "dirnal.lst";

// The form a directory panel reports a folder in: absolute (against the
// working directory), without "." and ".." parts, and without a trailing
// separator except at a root. The command-line tool writes its start
// folder in the same form, so both give the same list.
std::string directoryPathForm(const std::string& path, PathStyle style);

}  // namespace dirnal
