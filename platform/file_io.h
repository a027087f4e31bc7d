#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/file_error.h"

namespace dirnal {

// Replaces the file's content as a whole: writes a temporary file beside it
// and moves that over the file only when it is complete, so the old content
// survives every failure. A new file gets the usual permissions, an old
// one keeps its own; a link is followed and its target replaced.
std::optional<FileError> replaceFileContent(const std::string& path, std::string_view content);

// Reads a whole file.
FileContent readFileContent(const std::string& path);

// The folder that holds the running program, without a trailing separator.
std::string executableDirectory();

}  // namespace dirnal
