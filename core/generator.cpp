#include "core/generator.h"

#include <algorithm>

#include "core/delete_double.h"
#include "core/listing_pool.h"

namespace dirnal {

GeneratedList walkTree(const std::string& root, const std::vector<std::string>& retained,
                       const DirectoryLister& lister, const WalkOptions& options)
{
    const std::size_t limit = static_cast<std::size_t>(PathList::kMaxEntries);
    ListingPool::Settings settings;
    settings.threads = options.concurrentListings;
    settings.timeout = options.listingTimeout;
    settings.maxDepth = options.maxDepth;
    settings.capacity = limit - std::min(retained.size(), limit);
    settings.cancel = options.cancel;

    ListingPool::Walk walk = ListingPool(lister, settings).walk(root, options.progress);
    GeneratedList result;
    result.report = std::move(walk.report);
    if (result.report.outcome == GenerationReport::Outcome::Cancelled)
        return result;
    result.report.timeoutSeconds =
        static_cast<int>(std::chrono::ceil<std::chrono::seconds>(options.listingTimeout).count());
    if (result.report.outcome != GenerationReport::Outcome::Listed)
        return result;
    walk.paths.insert(walk.paths.end(), retained.begin(), retained.end());
    result.entries = withoutRepeats(std::move(walk.paths));
    return result;
}

}  // namespace dirnal
