#include "core/delete_double.h"

#include <string_view>
#include <unordered_set>

namespace dirnal {

std::vector<std::string> withoutRepeats(const std::vector<std::string>& entries)
{
    std::vector<std::string> kept;
    kept.reserve(entries.size());
    // Views into `entries`, which outlives the set.
    std::unordered_set<std::string_view> seen;
    seen.reserve(entries.size());
    for (const std::string& entry : entries) {
        const bool alwaysKept = entry.empty() || entry.starts_with("mapkey");
        if (seen.insert(entry).second || alwaysKept)
            kept.push_back(entry);
    }
    return kept;
}

void DeleteDouble(PathList& list)
{
    list.assign(withoutRepeats(list.entries()));
}

}  // namespace dirnal
