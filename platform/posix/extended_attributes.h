#pragma once

#include <string>

namespace dirnal::posix {

// Gives the new file exactly the extended attributes of the old one, its
// access list (system.posix_acl_access) among them: those it lacks are
// set, those the old one lacks removed. False, with errno, when one could
// not be read, set or removed.
bool copyExtendedAttributes(const std::string& from, int to);

}  // namespace dirnal::posix
