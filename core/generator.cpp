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
        report_.timeoutSeconds = static_cast<int>(
            std::chrono::ceil<std::chrono::seconds>(options_.listingTimeout).count());
        ListingPool pool(lister_, options_.concurrentListings, options_.listingTimeout, options_.cancel);
        pool_ = &pool;
        const std::optional<DirectoryListing> rootListing = pool.listOne(root);
        if (!rootListing)
            return cancelled();
        if (rootListing->status != DirectoryListing::Status::Listed) {
            report_.outcome = GenerationReport::Outcome::RootUnreadable;
            report_.rootStatus = rootListing->status;
            report_.rootError = rootListing->error;
            return report_;
        }
        rootIdentity_ = rootListing->identity;
        rootIdentityKnown_ = rootListing->identity.has_value() ? 1 : 0;
        appendChildren(*rootListing, kNoParent);

        // The list itself is the queue; it grows while it is walked. A whole
        // level is listed at once, then taken in order, so the result is the
        // same as listing one directory after the other. The directories of
        // the deepest level asked for are entered, not listed.
        int depth = 1;
        for (std::size_t levelBegin = 0; levelBegin < paths_.size() && !report_.limitReached &&
                                          (options_.maxDepth <= 0 || depth < options_.maxDepth);
             ++depth) {
            const std::size_t levelEnd = paths_.size();
            std::optional<std::vector<DirectoryListing>> listings =
                pool.listAll(paths_, parents_, belowLink_, root_, levelBegin, levelEnd);
            if (!listings)
                return cancelled();
            for (std::size_t j = levelBegin; j < levelEnd && !report_.limitReached; ++j)
                if (!take(j, (*listings)[j - levelBegin]))
                    return cancelled();
            levelBegin = levelEnd;
            if (options_.progress)
                options_.progress(static_cast<int>(paths_.size()));
        }
        report_.total = static_cast<int>(paths_.size());
        return report_;
    }

    std::vector<std::string> takePaths() { return std::move(paths_); }

private:
    GenerationReport cancelled()
    {
        paths_.clear();
        report_ = {};
        report_.outcome = GenerationReport::Outcome::Cancelled;
        return report_;
    }

    // False when the walk was cancelled meanwhile.
    bool take(std::size_t j, const DirectoryListing& listing)
    {
        switch (listing.status) {
        case DirectoryListing::Status::NotADirectory:
            // Its parent listed it as a directory.
            report_.vanished.push_back(paths_[j]);
            return true;
        case DirectoryListing::Status::Unreadable:
            report_.unreadable.push_back(paths_[j]);
            return true;
        case DirectoryListing::Status::TimedOut:
            report_.timedOut.push_back(paths_[j]);
            return true;
        case DirectoryListing::Status::Listed:
            break;
        }
        if (listing.identity) {
            identities_[j] = listing.identity;
            identityKnown_[j] = 1;
        }
        // A directory can be its own ancestor only where a link lies on its
        // path; only directories at or below a link are checked, and their
        // listings carry their identities.
        if (belowLink_[j]) {
            switch (ancestry(j)) {
            case Ancestry::Own:
                ++report_.cyclesSkipped;
                return true;
            case Ancestry::Unanswered:
                report_.timedOut.push_back(paths_[j]);
                return true;
            case Ancestry::Cancelled:
                return false;
            case Ancestry::Other:
                break;
            }
        }
        appendChildren(listing, static_cast<int>(j));
        return true;
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

    // Identities are asked for only when needed, and then kept. False when
    // the directory did not answer in time or the walk was cancelled.
    bool identityOf(const std::string& path, std::optional<DirectoryIdentity>& identity, char& known)
    {
        if (known)
            return true;
        const std::optional<ListingPool::Identity> answer = pool_->identityOf(path);
        if (!answer)
            cancelled_ = true;
        if (!answer || !answer->answered)
            return false;
        identity = answer->identity;
        known = 1;
        return true;
    }

    enum class Ancestry { Own, Other, Unanswered, Cancelled };

    Ancestry ancestry(std::size_t index)
    {
        const auto of = [&](std::size_t i) { return identityOf(paths_[i], identities_[i], identityKnown_[i]); };
        const auto result = [&](bool answered) {
            return cancelled_ ? Ancestry::Cancelled : answered ? Ancestry::Other : Ancestry::Unanswered;
        };
        if (!of(index))
            return result(false);
        const std::optional<DirectoryIdentity> self = identities_[index];
        if (!self)
            return Ancestry::Other;
        for (int p = parents_[index]; p != kNoParent; p = parents_[static_cast<std::size_t>(p)]) {
            if (!of(static_cast<std::size_t>(p)))
                return result(false);
            if (identities_[static_cast<std::size_t>(p)] == self)
                return Ancestry::Own;
        }
        if (!identityOf(root_, rootIdentity_, rootIdentityKnown_))
            return result(false);
        return rootIdentity_ == self ? Ancestry::Own : Ancestry::Other;
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
    char rootIdentityKnown_ = 0;
    ListingPool* pool_ = nullptr;
    bool cancelled_ = false;
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
    if (result.report.outcome != GenerationReport::Outcome::Listed)
        return result;

    std::vector<std::string> entries = walk.takePaths();
    entries.insert(entries.end(), retained.begin(), retained.end());
    result.entries = withoutRepeats(entries);
    return result;
}

}  // namespace dirnal
