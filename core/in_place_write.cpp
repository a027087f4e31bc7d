#include "core/in_place_write.h"

namespace dirnal {

std::optional<FileError> writeInPlace(OpenFile& file, std::string_view content, RecoveryCopy& recovery)
{
    const FileContent before = file.readWhole();
    if (before.error)
        return before.error;
    if (before.bytes == content)
        return std::nullopt;
    if (std::optional<FileError> error = recovery.keep(before.bytes, content)) {
        error->noRecoveryCopy = true;
        return error;
    }
    std::optional<FileError> error = file.overwrite(content);
    if (!error) {
        recovery.drop();
        return std::nullopt;
    }
    if (file.overwrite(before.bytes)) {
        error->oldContent = FileError::OldContent::Lost;
        error->recoveryCopy = recovery.path();
    } else {
        error->oldContent = FileError::OldContent::WrittenBack;
        recovery.oldContentBack();
    }
    return error;
}

std::optional<FileError> saveExistingFile(bool hasFurtherLinks, const std::function<Replacement()>& replaceWhole,
                                          const std::function<std::optional<FileError>()>& writeFileInPlace,
                                          RecoveryCopy& recovery)
{
    if (hasFurtherLinks)
        return writeFileInPlace();
    const Replacement replacement = replaceWhole();
    if (replacement.tryInPlace)
        return writeFileInPlace();
    if (!replacement.error)
        recovery.discard();
    return replacement.error;
}

}  // namespace dirnal
