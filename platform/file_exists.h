#pragma once

#include <string>

namespace dirnal {

// True exactly when the path names an existing regular file (a link to one
// counts). Never throws.
bool FileExists(const std::string& path) noexcept;

}  // namespace dirnal
