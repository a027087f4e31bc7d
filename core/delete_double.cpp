#include "core/delete_double.h"

#include <string_view>
#include <unordered_set>

namespace dirnal {

std::vector<std::string> withoutRepeats(std::vector<std::string> entries)
{
    // Kept entries are moved to the front; the set views them there, where
    // nothing is written again.
    std::unordered_set<std::string_view> seen;
    seen.reserve(entries.size());
    std::size_t kept = 0;
    for (std::string& entry : entries) {
        const bool alwaysKept = entry.empty() || entry.starts_with("mapkey");
        if (!alwaysKept && seen.contains(entry))
            continue;
        if (&entry != &entries[kept])
            entries[kept] = std::move(entry);
        seen.insert(entries[kept]);
        ++kept;
    }
    entries.resize(kept);
    return entries;
}

void DeleteDouble(PathList& list)
{
    list.assign(withoutRepeats(list.entries()));
}

}  // namespace dirnal
