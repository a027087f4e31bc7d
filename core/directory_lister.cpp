#include "core/directory_lister.h"

#include <algorithm>

#include "core/name_order.h"

namespace dirnal {

DirectoryListing listingOf(const std::string& directory, std::vector<FoundSubdirectory> found, PathStyle style)
{
    std::sort(found.begin(), found.end(), [](const FoundSubdirectory& a, const FoundSubdirectory& b) {
        return displayOrderLess(a.name, b.name);
    });
    DirectoryListing listing;
    listing.subdirectories.reserve(found.size());
    listing.throughLink.reserve(found.size());
    for (const FoundSubdirectory& subdirectory : found) {
        listing.subdirectories.push_back(joinPath(directory, subdirectory.name, style));
        listing.throughLink.push_back(subdirectory.throughLink ? 1 : 0);
    }
    listing.status = DirectoryListing::Status::Listed;
    return listing;
}

}  // namespace dirnal
