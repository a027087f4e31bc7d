#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/directory_lister.h"
#include "core/file_error.h"
#include "core/path_list.h"
#include "core/walk_cancel.h"

namespace dirnal {

struct GenerationReport {
    enum class Outcome {
        Listed,          // the list below
        RootUnreadable,  // the start folder could not be listed: no list
        Cancelled,       // no list
    };
    Outcome outcome = Outcome::Listed;
    // Why the start folder could not be listed.
    DirectoryListing::Status rootStatus = DirectoryListing::Status::Listed;
    std::optional<FileError> rootError;
    // The number of generated entries, before the retained ones are added
    // and repeats removed: what "Total:" shows.
    int total = 0;
    // Directories that exist but could not be listed; they were entered but
    // not expanded.
    std::vector<std::string> unreadable;
    // Directories a listing found that were gone (or no directory any more)
    // when their own turn came; entered, not expanded.
    std::vector<std::string> vanished;
    // Directories whose listing did not answer in time; entered, not
    // expanded, and the walk went on without them.
    std::vector<std::string> timedOut;
    int timeoutSeconds = 0;
    // Directories reached again below themselves (link cycles); entered but
    // not expanded.
    int cyclesSkipped = 0;
    // Directories whose name holds a line break: a list file line cannot
    // hold them, so they are left out, with what lies below them.
    int withLineBreaks = 0;
    // The walk stopped because generated and retained entries together
    // would have passed the list's limit.
    bool limitReached = false;

    // Folders were left out of the list.
    bool incomplete() const
    {
        return limitReached || withLineBreaks > 0 || !unreadable.empty() || !vanished.empty() || !timedOut.empty();
    }
};

// How many directories are listed (or checked) at once. Over a network
// share every listing is a round trip, and many in flight hide the
// latency: on a share that answers in 1 ms, 48 keep a narrow tree going
// where 32 wait for the processors between answers. Listings that wait far
// longer than the rest do not count, up to twice as many.
inline constexpr int kDefaultConcurrentListings = 48;
// How long one listing may take before the walk goes on without it.
inline constexpr std::chrono::seconds kDefaultListingTimeout{30};

struct WalkOptions {
    int concurrentListings = kDefaultConcurrentListings;
    std::chrono::milliseconds listingTimeout = kDefaultListingTimeout;
    // How many levels below the start folder are listed (1: its
    // subdirectories only); 0: all.
    int maxDepth = 0;
    // Ends the walk at once when cancelled, from any thread; null: none.
    WalkCancel* cancel = nullptr;
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
// listed at once. A start folder that cannot be listed, or a cancel, gives
// no entries (the report says which); the walk never waits for a listing
// beyond its time, nor for one at all once cancelled.
GeneratedList walkTree(const std::string& root, const std::vector<std::string>& retained,
                       const DirectoryLister& lister, const WalkOptions& options = {});

}  // namespace dirnal
