#pragma once

#include <string>
#include <vector>

#include "core/path_list.h"

namespace dirnal {

// Drops every later repeat of an entry (exact, case-sensitive comparison),
// keeping first occurrences in their order. Empty entries and entries that
// begin with "mapkey" are never dropped. Linear expected time.
std::vector<std::string> withoutRepeats(std::vector<std::string> entries);

// Rebuilds the list without repeats; afterwards nothing is selected and
// there is no current entry.
void DeleteDouble(PathList& list);

}  // namespace dirnal
