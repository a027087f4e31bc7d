#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/file_error.h"

namespace dirnal {

// Replaces the file's content as a whole, so that on any failure the old
// content is what the file holds. Usually a complete new file is moved over
// the old one and takes its permissions (owner and group too, as far as
// this process may set them). A file with further hard links, or one in a
// folder where no new file may be made, is written in place, with its old
// content written back if that fails. A symbolic link is followed and the
// file it points to saved; a device, pipe or socket is refused unopened.
std::optional<FileError> replaceFileContent(const std::string& path, std::string_view content);

// Reads a regular file, at most `maxBytes` of it; a device, pipe or socket
// is refused without waiting for it.
FileContent readFileContent(const std::string& path, std::size_t maxBytes);

// The folder that holds the running program, without a trailing separator.
std::string executableDirectory();

// A write past the file size limit then fails like a full disk instead of
// ending the program (POSIX; nothing to do on Windows).
void ignoreFileSizeSignal();

}  // namespace dirnal
