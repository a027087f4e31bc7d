#include "core/in_place_write.h"

namespace dirnal {

std::optional<FileError> writeInPlace(OpenFile& file, std::string_view content)
{
    const FileContent before = file.readWhole();
    if (before.error)
        return before.error;
    if (before.bytes == content)
        return std::nullopt;
    std::optional<FileError> error = file.overwrite(content);
    if (error)
        error->oldContent = file.overwrite(before.bytes) ? FileError::OldContent::Lost
                                                         : FileError::OldContent::WrittenBack;
    return error;
}

std::optional<FileError> saveExistingFile(bool hasFurtherLinks, const std::function<Replacement()>& replaceWhole,
                                          const std::function<std::optional<FileError>()>& writeFileInPlace)
{
    if (hasFurtherLinks)
        return writeFileInPlace();
    const Replacement replacement = replaceWhole();
    if (replacement.tryInPlace)
        return writeFileInPlace();
    return replacement.error;
}

}  // namespace dirnal
