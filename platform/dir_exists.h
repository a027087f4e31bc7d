#pragma once

#include <string>

namespace dirnal {

// True exactly when the path names an existing directory (a link to one
// counts). A trailing separator does not matter. Empty and malformed paths,
// files, missing drives: false. Never throws.
bool DirExists(const std::string& path) noexcept;

}  // namespace dirnal
