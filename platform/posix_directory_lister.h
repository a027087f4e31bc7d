#pragma once

#include "core/directory_lister.h"

namespace dirnal {

// Lists directories with opendir/readdir. Names beginning with "." are
// hidden and left out. The directory entry's type decides where it can;
// only links and entries of unknown type cost a stat.
class PosixDirectoryLister final : public DirectoryLister {
public:
    bool dirExists(const std::string& path) const override;
    DirectoryListing list(const std::string& directory) const override;
};

}  // namespace dirnal
