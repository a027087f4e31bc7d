#pragma once

#include <string>

namespace dirnal {

// The short (8.3) and the long form of an existing path; empty when the
// platform gives none. Where the platform has no short names the path
// comes back unchanged.
std::string ShortPathName(const std::string& path);
std::string LongPathName(const std::string& path);

}  // namespace dirnal
