#pragma once

#include "core/directory_lister.h"

namespace dirnal {

// Lists directories with FindFirstFileExW. Hidden and system directories
// are left out unless it is made to list them. Junctions and links are marked; identities (volume and
// file index) are given on request.
class Win32DirectoryLister final : public DirectoryLister {
public:
    explicit Win32DirectoryLister(HiddenFolders hidden = HiddenFolders::LeftOut) : hidden_(hidden) {}
    bool dirExists(const std::string& path) const override;
    Existence existence(const std::string& path) const override;
    DirectoryListing list(const std::string& directory) const override;
    std::optional<DirectoryIdentity> identityOf(const std::string& directory) const override;

private:
    HiddenFolders hidden_;
};

}  // namespace dirnal
