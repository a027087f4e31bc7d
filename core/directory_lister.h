#pragma once

#include <compare>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/file_error.h"
#include "core/path_style.h"

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
        TimedOut,        // the listing did not answer in time (given by the walk, never by a lister)
    };
    Status status = Status::NotADirectory;
    // Full paths of the immediate subdirectories, in display order
    // (displayOrderLess on the names).
    std::vector<std::string> subdirectories;
    // One per subdirectory: 1 where it is reached through a link (symbolic
    // link, junction) or may be. Empty: any of them may be.
    std::vector<char> throughLink;
    // The listed directory's identity, where the listing learned it.
    std::optional<DirectoryIdentity> identity;
    // Why it was not listed, where the system said.
    std::optional<FileError> error;
};

// A subdirectory as a listing finds it.
struct FoundSubdirectory {
    std::string name;
    bool throughLink = false;
};

// The listing of `directory` with these subdirectories: put in display order
// and joined to full paths in the given style.
DirectoryListing listingOf(const std::string& directory, std::vector<FoundSubdirectory> found, PathStyle style);

// Whether a listing gives hidden directories (names beginning with "." on
// POSIX, the hidden or system attribute on Windows).
enum class HiddenFolders { LeftOut, Listed };

// What a path names, as far as the system could tell.
enum class Existence {
    Directory,
    Missing,  // nothing, or no directory
    Unknown,  // no answer: no access on the way, a share or drive that is down
};

// The file system as the walk and the window see it.
class DirectoryLister {
public:
    virtual ~DirectoryLister() = default;

    // True exactly when the path names an existing directory; a trailing
    // separator does not matter. Never fails: every error gives false.
    virtual bool dirExists(const std::string& path) const = 0;

    // Whether the path names an existing directory, telling a path that is
    // gone from one the system could not look at.
    virtual Existence existence(const std::string& path) const
    {
        return dirExists(path) ? Existence::Directory : Existence::Missing;
    }

    // The immediate subdirectories of a directory; hidden ones only where
    // the lister was made to give them.
    virtual DirectoryListing list(const std::string& directory) const = 0;

    // What identifies a directory; none when it cannot be found out.
    virtual std::optional<DirectoryIdentity> identityOf(const std::string& directory) const
    {
        return list(directory).identity;
    }

    // What listChildren() does after a listing.
    struct AfterListing {
        bool more = true;  // false: it stops
        // Where not empty: subdirectories of the folder just listed, which
        // it lists next in place of the children left, numbered from 0.
        std::span<const std::string> below;
    };
    // Told each listing of listChildren() in order, by index.
    using ChildListed = std::function<AfterListing(std::size_t index, DirectoryListing&& listing)>;

    // Lists several subdirectories of one parent, as list() on each of them
    // would; a lister may reach them from their parent more cheaply.
    virtual void listChildren(const std::string& parent, std::span<const std::string> children,
                              const ChildListed& listed) const
    {
        (void)parent;
        for (std::size_t i = 0; i < children.size(); ++i) {
            const AfterListing next = listed(i, list(children[i]));
            if (!next.more)
                return;
            if (!next.below.empty()) {
                children = next.below;
                i = static_cast<std::size_t>(-1);
            }
        }
    }
};

}  // namespace dirnal
