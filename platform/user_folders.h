#pragma once

#include <optional>
#include <string>

namespace dirnal {

// The user's own folder for documents, where the platform keeps one for a
// program to open in (Windows' known folder Documents). None on POSIX: a
// program opens in the folder it was started in there.
std::optional<std::string> documentsDirectory();

// True when this user can make a new file in the directory now. Missing
// folders, files and malformed paths: false.
bool canCreateFileIn(const std::string& directory);

}  // namespace dirnal
