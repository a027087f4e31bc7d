#pragma once

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
    // The walk stopped because generated and retained entries together
    // would have passed the list's limit.
    bool limitReached = false;
};

// Replaces the list with every directory below `root`, level by level (all
// subdirectories of the root, then those of the first of them, and so on;
// within a parent in display order). The root itself is not entered. Then
// appends `retained` and removes repeats. Retained entries are never cut
// off by the limit: the walk stops early instead.
GenerationReport generateList(PathList& list, const std::string& root,
                              const std::vector<std::string>& retained,
                              const DirectoryLister& lister);

// "Total: 17"
std::string totalStatusText(int total);

}  // namespace dirnal
