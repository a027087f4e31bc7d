#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dirnal {

// What identifies a directory independently of the path it was reached by
// (device and inode on POSIX, volume and file index on Windows). The walk
// uses it to notice a directory that is its own ancestor.
struct DirectoryIdentity {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    auto operator<=>(const DirectoryIdentity&) const = default;
};

struct DirectoryListing {
    enum class Status {
        Listed,          // the directory was read; subdirectories below
        NotADirectory,   // missing, a file, or a malformed path
        Unreadable,      // a directory that could not be read (no access, gone while reading)
    };
    Status status = Status::NotADirectory;
    // Full paths of the immediate subdirectories, in display order
    // (displayOrderLess on the names).
    std::vector<std::string> subdirectories;
    std::optional<DirectoryIdentity> identity;
};

// The file system as the walk and the window see it.
class DirectoryLister {
public:
    virtual ~DirectoryLister() = default;

    // True exactly when the path names an existing directory; a trailing
    // separator does not matter. Never fails: every error gives false.
    virtual bool dirExists(const std::string& path) const = 0;

    // The immediate subdirectories of a directory, hidden ones left out.
    virtual DirectoryListing list(const std::string& directory) const = 0;
};

}  // namespace dirnal
