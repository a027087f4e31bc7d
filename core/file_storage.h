#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/file_error.h"
#include "core/recovery_copy.h"

namespace dirnal {

// Where list files are read and written: the platform's file system in
// the product, memory in tests.
class FileStorage {
public:
    virtual ~FileStorage() = default;
    // The file's first `maxBytes` bytes (all of a smaller one), or why it
    // could not be read. Only a regular file is read.
    virtual FileContent read(const std::string& path, std::size_t maxBytes) const = 0;
    // True when the path names a regular file, one that read() would read.
    virtual bool isFile(const std::string& path) const = 0;
    // Replaces the file's content as a whole; on failure the old content
    // stays.
    virtual std::optional<FileError> replace(const std::string& path, std::string_view content) = 0;
    // True when this user can make a new file in the directory now; false
    // for a folder they may only read (a program's folder installed for
    // every user) and for one that is missing.
    virtual bool canCreateFileIn(const std::string& directory) const = 0;
    // Where the old content of files written in place is kept meanwhile.
    virtual RecoveryFiles& recoveryFiles() = 0;
    // The folder that holds the running program, without a trailing separator.
    virtual std::string executableDirectory() const = 0;
    // The list file's 8-bit encoding of an entry (UTF-8 inside), nothing
    // when the encoding cannot hold it exactly; and back.
    virtual std::optional<std::string> toListFileEncoding(std::string_view entry) const = 0;
    virtual std::string fromListFileEncoding(std::string_view bytes) const = 0;
    // The code page list files are written in; none where they hold the
    // names' own bytes (UTF-8).
    virtual std::optional<unsigned> listFileCodePage() const = 0;
};

}  // namespace dirnal
