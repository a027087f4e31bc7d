#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace dirnal {

// Why a file could not be read or written.
struct FileError {
    enum class Kind {
        MissingDirectory,  // the folder it should be in does not exist
        NotFound,          // the file does not exist
        AccessDenied,      // no permission, or the file is write-protected
        ReadOnlyMedium,    // the file system is mounted read-only
        NoSpace,           // disk full, quota or file size limit
        IsDirectory,       // the path names a folder
        Other,
    };
    Kind kind = Kind::Other;
    std::string systemMessage;  // the system's own words, for the details
};

// Replaces the file's content as a whole: writes a temporary file beside it
// and moves that over the file only when it is complete, so the old content
// survives every failure. A new file gets the usual permissions, an old
// one keeps its own; a link is followed and its target replaced.
std::optional<FileError> replaceFileContent(const std::string& path, std::string_view content);

struct FileContent {
    std::string bytes;
    std::optional<FileError> error;
};

// Reads a whole file.
FileContent readFileContent(const std::string& path);

// The folder that holds the running program, without a trailing separator.
std::string executableDirectory();

}  // namespace dirnal
