#include "core/listing_pool.h"

#include <algorithm>
#include <span>

namespace dirnal {

namespace {
// Children of one parent are listed together, in groups of at most this
// many; a small level is cut finer, so that every thread gets work.
constexpr std::size_t kMaxGroup = 64;
}  // namespace

ListingPool::ListingPool(const DirectoryLister& lister, int concurrentListings) : lister_(lister)
{
    for (int i = 1; i < concurrentListings; ++i)
        threads_.emplace_back([this] { work(); });
}

ListingPool::~ListingPool()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    started_.notify_all();
    for (std::thread& thread : threads_)
        thread.join();
}

std::vector<DirectoryListing> ListingPool::listAll(const std::vector<std::string>& paths,
                                                   const std::vector<int>& parents, const std::string& root,
                                                   std::size_t begin, std::size_t end)
{
    std::vector<DirectoryListing> results(end - begin);
    const std::size_t workers = threads_.size() + 1;
    const std::size_t groupSize = std::clamp<std::size_t>((end - begin) / (workers * 4), 1, kMaxGroup);
    std::vector<Group> groups;
    for (std::size_t i = begin; i < end;) {
        const int parent = parents[i];
        std::size_t last = i + 1;
        while (last < end && parents[last] == parent && last - i < groupSize)
            ++last;
        groups.push_back({parent < 0 ? &root : &paths[static_cast<std::size_t>(parent)], i, last});
        i = last;
    }
    paths_ = &paths;
    begin_ = begin;
    results_ = &results;
    // One group, or no helpers: no need to wake anyone.
    if (threads_.empty() || groups.size() == 1) {
        for (const Group& group : groups)
            listGroup(group);
        return results;
    }
    {
        std::lock_guard lock(mutex_);
        groups_ = std::move(groups);
        next_ = 0;
        busy_ = static_cast<int>(threads_.size());
        ++generation_;
    }
    started_.notify_all();
    listPending();
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [this] { return busy_ == 0; });
    return results;
}

void ListingPool::listGroup(const Group& group)
{
    const std::span<const std::string> children(paths_->data() + group.begin, group.end - group.begin);
    const std::span<DirectoryListing> listings(results_->data() + (group.begin - begin_), group.end - group.begin);
    lister_.listChildren(*group.parent, children, listings);
}

void ListingPool::listPending()
{
    for (std::size_t i = next_++; i < groups_.size(); i = next_++)
        listGroup(groups_[i]);
}

void ListingPool::work()
{
    unsigned seen = 0;
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            started_.wait(lock, [&] { return stopping_ || generation_ != seen; });
            if (stopping_)
                return;
            seen = generation_;
        }
        listPending();
        {
            std::lock_guard lock(mutex_);
            --busy_;
        }
        finished_.notify_one();
    }
}

}  // namespace dirnal
