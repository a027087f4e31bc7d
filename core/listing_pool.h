#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/directory_lister.h"
#include "core/generator.h"
#include "core/walk_cancel.h"

namespace dirnal {

// Walks a tree on a bounded number of threads, started as the walk finds
// work for them. A folder is listed as soon as its parent's listing is in,
// whatever level the rest of the walk has reached, so that no thread waits
// for the slowest listing of a level; the listings are put into the list
// in level order as they come in (see LevelOrder). Folders found but not
// yet in the list are listed ahead only while the folders found fit into
// the list; those already in it come first, but for the subfolders a
// thread goes on with below the folder it has just listed.
//
// As many listings run at once as `threads` says; one that waits far
// longer than listings lately take does not count, up to twice as many.
//
// Every listing has a time to answer: one that does not, or is still
// running when the walk is cancelled, is given up and its thread left
// behind, detached and owning all it still touches; another thread takes
// its place, as long as the walk, stuck threads counted, has no more than
// twice the threads it lists on (once none is left, what waits counts as
// not answered in time). The lister must allow concurrent calls and
// outlive any thread left behind (the native one lives as long as the
// process).
class ListingPool {
public:
    struct Settings {
        int threads = kDefaultConcurrentListings;  // 1: one listing at a time, however slow
        std::chrono::milliseconds timeout = kDefaultListingTimeout;
        int maxDepth = 0;           // see WalkOptions
        std::size_t capacity = 0;   // entries the list may take
        WalkCancel* cancel = nullptr;
    };

    ListingPool(const DirectoryLister& lister, const Settings& settings);
    ~ListingPool();
    ListingPool(const ListingPool&) = delete;
    ListingPool& operator=(const ListingPool&) = delete;

    struct Walk {
        GenerationReport report;  // without timeoutSeconds
        std::vector<std::string> paths;
    };
    // Walks below `root`; tells `progress` (if any) the number of folders
    // in the list after each level, on this thread. Once only.
    Walk walk(const std::string& root, const std::function<void(int found)>& progress);

private:
    struct Job;
    struct State;

    static void work(std::shared_ptr<State> state, std::size_t id);
    // Gives up the job's running listing: its thread is left behind.
    void giveUp(Job& job, bool replace);

    std::shared_ptr<State> state_;
    const std::chrono::milliseconds timeout_;
    WalkCancel* const cancel_;
};

}  // namespace dirnal
