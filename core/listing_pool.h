#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/directory_lister.h"

namespace dirnal {

// Lists many directories at once on a fixed number of threads (the calling
// thread among them). On a network share every listing is a round trip;
// several in flight hide the latency. The lister must allow concurrent
// calls.
class ListingPool {
public:
    ListingPool(const DirectoryLister& lister, int concurrentListings);
    ~ListingPool();
    ListingPool(const ListingPool&) = delete;
    ListingPool& operator=(const ListingPool&) = delete;

    // The listings of paths[begin..end), in that order. parents[i] is the
    // index of path i's parent in `paths`, or -1 when it is `root`;
    // children of one parent stand together.
    std::vector<DirectoryListing> listAll(const std::vector<std::string>& paths, const std::vector<int>& parents,
                                          const std::string& root, std::size_t begin, std::size_t end);

private:
    // Children of one parent, listed together.
    struct Group {
        const std::string* parent;
        std::size_t begin;
        std::size_t end;
    };

    void work();
    void listPending();
    void listGroup(const Group& group);

    const DirectoryLister& lister_;
    std::vector<std::thread> threads_;

    std::mutex mutex_;
    std::condition_variable started_;
    std::condition_variable finished_;
    unsigned generation_ = 0;
    int busy_ = 0;
    bool stopping_ = false;

    // The batch being listed.
    const std::vector<std::string>* paths_ = nullptr;
    std::size_t begin_ = 0;
    std::vector<Group> groups_;
    std::atomic<std::size_t> next_{0};
    std::vector<DirectoryListing>* results_ = nullptr;
};

}  // namespace dirnal
