#pragma once

#include <string_view>

namespace dirnal {

// The order in which subdirectories are listed, by the walk and by the
// directory list alike: alphabetical by name without regard to letter case
// (ASCII and Latin-1 letters), ties broken by the exact bytes of the name.
// Names that are not valid UTF-8 are compared byte by byte where invalid.
bool displayOrderLess(std::string_view a, std::string_view b);

}  // namespace dirnal
