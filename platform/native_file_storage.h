#pragma once

#include "core/file_storage.h"
#include "platform/file_exists.h"
#include "platform/file_io.h"
#include "platform/list_file_encoding.h"
#include "platform/native_recovery_files.h"
#include "platform/user_folders.h"

namespace dirnal {

// List files on this machine's file system, in its 8-bit encoding.
class NativeFileStorage final : public FileStorage {
public:
    FileContent read(const std::string& path, std::size_t maxBytes) const override
    {
        return readFileContent(path, maxBytes);
    }
    bool isFile(const std::string& path) const override { return FileExists(path); }
    std::optional<FileError> replace(const std::string& path, std::string_view content) override
    {
        return replaceFileContent(path, content);
    }
    bool canCreateFileIn(const std::string& directory) const override { return dirnal::canCreateFileIn(directory); }
    RecoveryFiles& recoveryFiles() override { return nativeRecoveryFiles(); }
    std::string executableDirectory() const override { return dirnal::executableDirectory(); }
    std::optional<std::string> toListFileEncoding(std::string_view entry) const override
    {
        return dirnal::toListFileEncoding(entry);
    }
    std::string fromListFileEncoding(std::string_view bytes) const override
    {
        return dirnal::fromListFileEncoding(bytes);
    }
    std::optional<unsigned> listFileCodePage() const override { return dirnal::listFileCodePage(); }
};

}  // namespace dirnal
