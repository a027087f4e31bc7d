#pragma once

#include <string>

#include "core/directory_lister.h"

namespace dirnal {

// True exactly when the path names an existing directory (a link to one
// counts). A trailing separator does not matter. Empty and malformed paths,
// files, missing drives: false. Never throws.
bool DirExists(const std::string& path) noexcept;

// As DirExists, telling a path that names nothing or no directory (and an
// empty or malformed one) from one the system could not look at.
Existence DirectoryExistence(const std::string& path) noexcept;

}  // namespace dirnal
