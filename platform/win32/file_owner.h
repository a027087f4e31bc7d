#pragma once

#include <string>

namespace dirnal::win32 {

// Whether the file was made by this user: its owner is the user, or the
// owner the user's new files get (the administrators' group, for an
// elevated administrator). On a file system that keeps no owners (FAT),
// anyone may have made it, as anyone may write every file there.
bool ownedByThisUser(const std::wstring& path);

}  // namespace dirnal::win32
