#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/directory_lister.h"
#include "core/path_list.h"

namespace dirnal {

struct GenerationReport {
    // The number of generated entries, before the retained ones are added
    // and repeats removed: what "Total:" shows.
    int total = 0;
    // Directories that exist but could not be listed; they were entered but
    // not expanded.
    int unreadable = 0;
    // Directories reached again below themselves (link cycles); entered but
    // not expanded.
    int cyclesSkipped = 0;
    // Directories whose name holds a line break: a list file line cannot
    // hold them, so they are left out, with what lies below them.
    int withLineBreaks = 0;
    // The walk stopped because generated and retained entries together
    // would have passed the list's limit.
    bool limitReached = false;
};

// How many directories are listed at once. Over a network share every
// listing is a round trip, and many in flight hide the latency.
inline constexpr int kDefaultConcurrentListings = 32;

struct WalkOptions {
    int concurrentListings = kDefaultConcurrentListings;
    // Told the number of directories found so far, after each level, on the
    // thread that walks.
    std::function<void(int found)> progress;
};

struct GeneratedList {
    std::vector<std::string> entries;
    GenerationReport report;
};

// Every directory below `root`, level by level (all subdirectories of the
// root, then those of the first of them, and so on; within a parent in
// display order), the root itself left out; then `retained`, and repeats
// removed. Retained entries are never cut off by the limit: the walk stops
// early instead. The result does not depend on how many directories are
// listed at once.
GeneratedList walkTree(const std::string& root, const std::vector<std::string>& retained,
                       const DirectoryLister& lister, const WalkOptions& options = {});

}  // namespace dirnal
