#pragma once

#include "core/directory_lister.h"

namespace dirnal {

// Lists directories (on Linux with getdents64 in large batches: open, two
// reads and close for a directory of ordinary size; children are opened
// relative to their parent). Identities cost a stat and are given only on
// request. Names beginning
// with "." are hidden and left out unless it is made to list them. The directory entry's type decides where
// it can; only links and entries of unknown type cost a stat. Concurrent
// calls are allowed.
class PosixDirectoryLister final : public DirectoryLister {
public:
    explicit PosixDirectoryLister(HiddenFolders hidden = HiddenFolders::LeftOut) : hidden_(hidden) {}
    bool dirExists(const std::string& path) const override;
    Existence existence(const std::string& path) const override;
    DirectoryListing list(const std::string& directory) const override;
    std::optional<DirectoryIdentity> identityOf(const std::string& directory) const override;
    void listChildren(const std::string& parent, std::span<const std::string> children,
                      const ChildListed& listed) const override;

private:
    // Lists the directory open at fd (left open); a failed open (fd < 0),
    // just before, is told apart as unreadable or not a directory.
    DirectoryListing listOpened(int fd, const std::string& directory) const;

    HiddenFolders hidden_;
};

}  // namespace dirnal
