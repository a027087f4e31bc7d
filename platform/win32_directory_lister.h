#pragma once

#include "core/directory_lister.h"

namespace dirnal {

// Lists directories with FindFirstFileExW. Hidden and system directories
// are left out.
class Win32DirectoryLister final : public DirectoryLister {
public:
    bool dirExists(const std::string& path) const override;
    DirectoryListing list(const std::string& directory) const override;
};

}  // namespace dirnal
