#pragma once

#include <optional>
#include <string>

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

// A whole file's bytes, or why it could not be read.
struct FileContent {
    std::string bytes;
    std::optional<FileError> error;
};

}  // namespace dirnal
