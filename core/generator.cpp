#include "core/generator.h"

#include <algorithm>
#include <optional>

#include "core/delete_double.h"

namespace dirnal {

namespace {

constexpr int kNoParent = -1;

class LevelOrderWalk {
public:
    LevelOrderWalk(const DirectoryLister& lister, std::size_t capacity)
        : lister_(lister), capacity_(capacity)
    {
    }

    GenerationReport run(const std::string& root)
    {
        const DirectoryListing rootListing = lister_.list(root);
        rootIdentity_ = rootListing.identity;
        if (rootListing.status == DirectoryListing::Status::Unreadable)
            ++report_.unreadable;
        appendChildren(rootListing, kNoParent);

        // The list itself is the queue; it grows while we walk it.
        for (std::size_t j = 0; j < paths_.size() && !report_.limitReached; ++j) {
            DirectoryListing listing = lister_.list(paths_[j]);
            switch (listing.status) {
            case DirectoryListing::Status::NotADirectory:
                continue;
            case DirectoryListing::Status::Unreadable:
                ++report_.unreadable;
                continue;
            case DirectoryListing::Status::Listed:
                break;
            }
            identities_[j] = listing.identity;
            if (isOwnAncestor(static_cast<int>(j))) {
                ++report_.cyclesSkipped;
                continue;
            }
            appendChildren(listing, static_cast<int>(j));
        }
        report_.total = static_cast<int>(paths_.size());
        return report_;
    }

    std::vector<std::string> takePaths() { return std::move(paths_); }

private:
    void appendChildren(const DirectoryListing& listing, int parent)
    {
        for (const std::string& child : listing.subdirectories) {
            if (paths_.size() >= capacity_) {
                report_.limitReached = true;
                return;
            }
            paths_.push_back(child);
            parents_.push_back(parent);
            identities_.emplace_back();
        }
    }

    bool isOwnAncestor(int index) const
    {
        const auto& self = identities_[static_cast<std::size_t>(index)];
        if (!self)
            return false;
        for (int p = parents_[static_cast<std::size_t>(index)]; p != kNoParent;
             p = parents_[static_cast<std::size_t>(p)]) {
            if (identities_[static_cast<std::size_t>(p)] == self)
                return true;
        }
        return rootIdentity_ == self;
    }

    const DirectoryLister& lister_;
    const std::size_t capacity_;
    std::vector<std::string> paths_;
    std::vector<int> parents_;
    std::vector<std::optional<DirectoryIdentity>> identities_;
    std::optional<DirectoryIdentity> rootIdentity_;
    GenerationReport report_;
};

}  // namespace

GenerationReport generateList(PathList& list, const std::string& root,
                              const std::vector<std::string>& retained,
                              const DirectoryLister& lister)
{
    const std::size_t limit = static_cast<std::size_t>(PathList::kMaxEntries);
    const std::size_t capacity = limit - std::min(retained.size(), limit);

    LevelOrderWalk walk(lister, capacity);
    const GenerationReport report = walk.run(root);

    std::vector<std::string> entries = walk.takePaths();
    entries.insert(entries.end(), retained.begin(), retained.end());
    list.assign(withoutRepeats(entries));
    return report;
}

std::string totalStatusText(int total)
{
    return "Total: " + std::to_string(total);
}

}  // namespace dirnal
