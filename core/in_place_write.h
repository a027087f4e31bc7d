#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "core/file_error.h"
#include "core/recovery_copy.h"

namespace dirnal {

// An existing file opened for reading and writing: the few system calls
// writing it in place takes. The platform makes them; writeInPlace decides.
class OpenFile {
public:
    virtual ~OpenFile() = default;
    // The file's whole content, from its start.
    virtual FileContent readWhole() = 0;
    // Afterwards the file holds exactly `content`, on the disk.
    virtual std::optional<FileError> overwrite(std::string_view content) = 0;
};

// Writes the file itself, for where it cannot be replaced by a new one. Its
// old content is read first: the same content is not written again, the
// old one is kept in the recovery copy until the write is done (a file cut
// off by a power loss can be put right with it), and a failed write puts
// the old content back. The error is the failed write's; its `oldContent`
// says whether putting it back worked.
std::optional<FileError> writeInPlace(OpenFile& file, std::string_view content, RecoveryCopy& recovery);

// How replacing a file whole, through a new file moved over it, went.
struct Replacement {
    std::optional<FileError> error;
    bool tryInPlace = false;  // writing the file in place may still succeed
};

// Saves an existing file. One with further hard links is written in place,
// so that its other names see the new content too; any other is replaced
// whole, and written in place where that failed in a way that leaves the
// file itself writable. Once the file is replaced whole, a recovery copy
// left by an interrupted save is not needed anymore.
std::optional<FileError> saveExistingFile(bool hasFurtherLinks, const std::function<Replacement()>& replaceWhole,
                                          const std::function<std::optional<FileError>()>& writeFileInPlace,
                                          RecoveryCopy& recovery);

}  // namespace dirnal
