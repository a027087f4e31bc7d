#include "core/generator.h"

#include <algorithm>
#include <optional>

#include "core/delete_double.h"
#include "core/listing_pool.h"

namespace dirnal {

namespace {

constexpr int kNoParent = -1;

class LevelOrderWalk {
public:
    LevelOrderWalk(const DirectoryLister& lister, std::size_t capacity, const WalkOptions& options)
        : lister_(lister), capacity_(capacity), options_(options)
    {
    }

    GenerationReport run(const std::string& root)
    {
        root_ = root;
        const DirectoryListing rootListing = lister_.list(root);
        rootIdentity_ = rootListing.identity;
        rootIdentityKnown_ = rootListing.identity.has_value();
        if (rootListing.status == DirectoryListing::Status::Unreadable)
            ++report_.unreadable;
        appendChildren(rootListing, kNoParent);

        // The list itself is the queue; it grows while it is walked. A whole
        // level is listed at once, then taken in order, so the result is the
        // same as listing one directory after the other.
        ListingPool pool(lister_, options_.concurrentListings);
        for (std::size_t levelBegin = 0; levelBegin < paths_.size() && !report_.limitReached;) {
            const std::size_t levelEnd = paths_.size();
            std::vector<DirectoryListing> listings = pool.listAll(paths_, parents_, root_, levelBegin, levelEnd);
            for (std::size_t j = levelBegin; j < levelEnd && !report_.limitReached; ++j)
                take(j, listings[j - levelBegin]);
            levelBegin = levelEnd;
            if (options_.progress)
                options_.progress(static_cast<int>(paths_.size()));
        }
        report_.total = static_cast<int>(paths_.size());
        return report_;
    }

    std::vector<std::string> takePaths() { return std::move(paths_); }

private:
    void take(std::size_t j, const DirectoryListing& listing)
    {
        switch (listing.status) {
        case DirectoryListing::Status::NotADirectory:
            return;
        case DirectoryListing::Status::Unreadable:
            ++report_.unreadable;
            return;
        case DirectoryListing::Status::Listed:
            break;
        }
        if (listing.identity) {
            identities_[j] = listing.identity;
            identityKnown_[j] = 1;
        }
        // A directory can be its own ancestor only where a link lies on its
        // path; only directories at or below a link are checked.
        if (belowLink_[j] && isOwnAncestor(j)) {
            ++report_.cyclesSkipped;
            return;
        }
        appendChildren(listing, static_cast<int>(j));
    }

    void appendChildren(const DirectoryListing& listing, int parent)
    {
        const bool linksKnown = listing.throughLink.size() == listing.subdirectories.size();
        for (std::size_t k = 0; k < listing.subdirectories.size(); ++k) {
            if (listing.subdirectories[k].find_first_of("\r\n") != std::string::npos) {
                ++report_.withLineBreaks;
                continue;
            }
            if (paths_.size() >= capacity_) {
                report_.limitReached = true;
                return;
            }
            paths_.push_back(listing.subdirectories[k]);
            parents_.push_back(parent);
            identities_.emplace_back();
            identityKnown_.push_back(0);
            const bool parentBelowLink = parent != kNoParent && belowLink_[static_cast<std::size_t>(parent)];
            belowLink_.push_back(parentBelowLink || !linksKnown || listing.throughLink[k] ? 1 : 0);
        }
    }

    // Identities are asked for only when needed, and then kept.
    const std::optional<DirectoryIdentity>& identityOf(std::size_t index)
    {
        if (!identityKnown_[index]) {
            identities_[index] = lister_.identityOf(paths_[index]);
            identityKnown_[index] = 1;
        }
        return identities_[index];
    }

    const std::optional<DirectoryIdentity>& rootIdentity()
    {
        if (!rootIdentityKnown_) {
            rootIdentity_ = lister_.identityOf(root_);
            rootIdentityKnown_ = true;
        }
        return rootIdentity_;
    }

    bool isOwnAncestor(std::size_t index)
    {
        const std::optional<DirectoryIdentity> self = identityOf(index);
        if (!self)
            return false;
        for (int p = parents_[index]; p != kNoParent; p = parents_[static_cast<std::size_t>(p)]) {
            if (identityOf(static_cast<std::size_t>(p)) == self)
                return true;
        }
        return rootIdentity() == self;
    }

    const DirectoryLister& lister_;
    const std::size_t capacity_;
    const WalkOptions& options_;
    std::string root_;
    std::vector<std::string> paths_;
    std::vector<int> parents_;
    std::vector<std::optional<DirectoryIdentity>> identities_;
    std::vector<char> identityKnown_;
    std::vector<char> belowLink_;
    std::optional<DirectoryIdentity> rootIdentity_;
    bool rootIdentityKnown_ = false;
    GenerationReport report_;
};

}  // namespace

GeneratedList walkTree(const std::string& root, const std::vector<std::string>& retained,
                       const DirectoryLister& lister, const WalkOptions& options)
{
    const std::size_t limit = static_cast<std::size_t>(PathList::kMaxEntries);
    const std::size_t capacity = limit - std::min(retained.size(), limit);

    LevelOrderWalk walk(lister, capacity, options);
    GeneratedList result;
    result.report = walk.run(root);

    std::vector<std::string> entries = walk.takePaths();
    entries.insert(entries.end(), retained.begin(), retained.end());
    result.entries = withoutRepeats(entries);
    return result;
}

}  // namespace dirnal
