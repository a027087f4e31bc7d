#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_error.h"
#include "core/path_style.h"

namespace dirnal {

// The file operations recovery copies take; the platform makes them.
class RecoveryFiles {
public:
    virtual ~RecoveryFiles() = default;
    // The path absolute and with its symbolic links followed; as given
    // where that cannot be found out (a file that does not exist).
    virtual std::string finalPath(const std::string& path) const = 0;
    // A regular file's whole content.
    virtual FileContent readWhole(const std::string& path) const = 0;
    // Afterwards the file holds exactly `bytes`, flushed to the disk with its
    // name. A file of that name is replaced, never written through.
    virtual std::optional<FileError> writeDurably(const std::string& path, std::string_view bytes) = 0;
    virtual void remove(const std::string& path) = 0;
    // The files in the folder whose names start with `prefix`, as paths;
    // only those this user made, so that no one else can plant one.
    virtual std::vector<std::string> ownFilesStartingWith(const std::string& directory,
                                                          const std::string& prefix) const = 0;
    virtual bool canCreateFileIn(const std::string& directory) const = 0;
    // This user's folder for what the program keeps between runs, made
    // first when `make` says so; none where there is none (or it cannot be
    // made).
    virtual std::optional<std::string> stateDirectory(bool make) = 0;
};

// A file whose save in place was cut off (the program killed, the power
// gone) before it was whole, and the copy of its content before that save.
struct InterruptedSave {
    std::string file;
    std::string copy;
};

// The old content of a file that is written in place, kept on the disk
// until the write is done: beside the file where its folder takes a new
// file, else in the user's state folder. The copy's name tells which
// content the write was to give the file, so that a copy left by a save
// that did end is told from one left by a save that did not.
class RecoveryCopy {
public:
    RecoveryCopy(RecoveryFiles& files, const std::string& file, PathStyle style);

    // Before the first write: keeps `old`, noting that `next` is to follow.
    // A copy left by an interrupted save stays the copy, as the file's
    // content is then no whole list.
    std::optional<FileError> keep(std::string_view old, std::string_view next);
    // The write is done.
    void drop();
    // The write failed, and what the file held before is back.
    void oldContentBack();
    // Where the copy is, while it is kept.
    const std::string& path() const { return kept_; }

    // The interrupted save of the file, if there was one. Copies left by
    // saves that did end (the file holds the old or the new content) go.
    std::optional<InterruptedSave> findInterrupted();
    // The file holds a whole list the user saved: no copy is needed anymore.
    void discard();

private:
    struct Place {
        std::string directory;
        std::string prefix;
    };
    std::vector<Place> places();

    RecoveryFiles& files_;
    std::string file_;
    PathStyle style_;
    std::string kept_;
    bool reused_ = false;  // the copy is one an interrupted save left
};

// Puts an interrupted save's old content back through `replace` (the usual
// save), then lets the copy go.
template <typename Replace>
std::optional<FileError> restoreInterruptedSave(const InterruptedSave& save, RecoveryFiles& files, Replace replace)
{
    const FileContent old = files.readWhole(save.copy);
    if (old.error)
        return old.error;
    if (auto error = replace(save.file, old.bytes))
        return error;
    files.remove(save.copy);
    return std::nullopt;
}

}  // namespace dirnal
