#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/directory_lister.h"
#include "core/walk_cancel.h"

namespace dirnal {

// Lists many directories at once on a fixed number of threads. On a
// network share every listing is a round trip; several in flight hide the
// latency. Every listing has a time to answer: one that does not, or is
// still running when the walk is cancelled, is given up and its thread
// left behind, detached and owning all it still writes to; another thread
// takes its place. The lister must allow concurrent calls and outlive any
// thread left behind (the native one lives as long as the process).
class ListingPool {
public:
    ListingPool(const DirectoryLister& lister, int concurrentListings, std::chrono::milliseconds timeout,
                WalkCancel* cancel);
    ~ListingPool();
    ListingPool(const ListingPool&) = delete;
    ListingPool& operator=(const ListingPool&) = delete;

    // The listings of paths[begin..end), in that order; none once the walk
    // is cancelled. parents[i] is the index of path i's parent in `paths`,
    // or -1 when it is `root`; children of one parent stand together. The
    // listing of path i carries its identity where withIdentity[i] is set.
    std::optional<std::vector<DirectoryListing>> listAll(const std::vector<std::string>& paths,
                                                         const std::vector<int>& parents,
                                                         const std::vector<char>& withIdentity,
                                                         const std::string& root, std::size_t begin, std::size_t end);
    // One directory on its own.
    std::optional<DirectoryListing> listOne(const std::string& directory);

    struct Identity {
        bool answered = false;
        std::optional<DirectoryIdentity> identity;
    };
    // The directory's identity, or that it did not answer in time; none
    // once the walk is cancelled.
    std::optional<Identity> identityOf(const std::string& directory);

private:
    struct Job;
    struct State;

    // Runs the jobs to their end; false when the walk was cancelled.
    bool run(std::vector<std::shared_ptr<Job>>& jobs);
    // Gives up the job's running listing: its thread is left behind.
    void leaveBehind(Job& job, bool replace);
    static void work(std::shared_ptr<State> state, std::size_t id);

    std::shared_ptr<State> state_;
    std::vector<std::thread> threads_;
    const std::chrono::milliseconds timeout_;
    WalkCancel* const cancel_;
};

}  // namespace dirnal
