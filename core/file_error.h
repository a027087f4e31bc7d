#pragma once

#include <optional>
#include <string>

namespace dirnal {

// Why a file could not be read or written. The platform sorts the system's
// error codes into these kinds; the core words each kind once, in German.
struct FileError {
    enum class Kind {
        MissingDirectory,    // the folder it should be in does not exist
        NotFound,            // the file does not exist
        AccessDenied,        // no permission, or the file is write-protected
        FolderNotWritable,   // no permission to create a file in the folder
        ReadOnlyMedium,      // the file system is mounted read-only
        NoSpace,             // disk full or quota used up
        FileTooLarge,        // past the largest file the system allows
        IsDirectory,         // the path names a folder
        NotRegularFile,      // a device, a pipe or a socket
        InvalidPath,         // empty, or holds characters no path may hold
        NameTooLong,         // the path or one of its names
        LinkLoop,            // too many symbolic links, or a loop of them
        InUse,               // another program holds or locks the file
        InputOutput,         // the medium failed to read or write
        NetworkUnavailable,  // the share or its server cannot be reached
        OutOfResources,      // no memory or no more open files
        Other,
    };
    // A file written in place (where it cannot be replaced as a whole)
    // gets its old content back when writing fails half-way.
    enum class OldContent {
        Untouched,    // the failure came before the file was changed
        WrittenBack,  // changed, and the old content is back byte for byte
        Lost,         // changed, and the old content could not be put back
    };
    Kind kind = Kind::Other;
    int systemCode = 0;  // errno or GetLastError(); 0 when the program itself refused
    OldContent oldContent = OldContent::Untouched;
    // Before a file is written in place its old content is kept in a
    // recovery copy: when that failed, the file was left alone. When the
    // old content was lost, the copy that still holds it.
    bool noRecoveryCopy = false;
    std::string recoveryCopy = {};
};

// A failure the program found itself, with no system code.
inline FileError refusal(FileError::Kind kind)
{
    return FileError{kind, 0};
}

// A file's bytes up to the size asked for, or why it could not be read.
struct FileContent {
    std::string bytes;
    std::optional<FileError> error;
    bool cutShort = false;  // the file holds more than was asked for and read

    // For a read that went up to one byte past `maxBytes`: drops every byte
    // when the read failed, else cuts the bytes to `maxBytes` and marks them
    // `cutShort` when there were more.
    void dropOnErrorElseCutTo(std::size_t maxBytes)
    {
        if (error)
            bytes.clear();
        else if (bytes.size() > maxBytes) {
            bytes.resize(maxBytes);
            cutShort = true;
        }
    }
};

}  // namespace dirnal
