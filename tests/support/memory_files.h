#pragma once

#include <map>
#include <set>
#include <string>

#include "core/file_storage.h"

namespace dirnal::testing {

// List files kept in memory. A path in `failing` cannot be written and
// keeps its old content; reading a missing file fails as NotFound.
class MemoryFiles final : public FileStorage {
public:
    FileContent read(const std::string& path) const override
    {
        const auto found = files.find(path);
        if (found == files.end())
            return {{}, FileError{FileError::Kind::NotFound, "missing"}};
        return {found->second, std::nullopt};
    }
    std::optional<FileError> replace(const std::string& path, std::string_view content) override
    {
        if (failing.count(path))
            return FileError{FileError::Kind::AccessDenied, "denied"};
        files[path] = std::string(content);
        return std::nullopt;
    }
    std::string executableDirectory() const override { return programDirectory; }
    std::string toListFileEncoding(std::string_view entry) const override { return std::string(entry); }
    std::string fromListFileEncoding(std::string_view bytes) const override { return std::string(bytes); }

    std::map<std::string, std::string> files;
    std::set<std::string> failing;
    std::string programDirectory = "/opt/dirnal";
};

}  // namespace dirnal::testing
