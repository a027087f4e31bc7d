#pragma once

#include <string_view>

#include "core/path_list.h"

namespace dirnal {

// Selects every non-empty entry that contains the search text (exact,
// case-sensitive) and deselects every other entry. Returns the index of the
// first selected entry, or -1 when none matched.
int thisnot(PathList& list, std::string_view searchText);

// Replaces every selected entry by the empty string; count and positions stay.
void blankSelected(PathList& list);

// Rebuilds the list without its empty entries, in order. Afterwards nothing
// is selected and there is no current entry.
void Leerz(PathList& list);

}  // namespace dirnal
