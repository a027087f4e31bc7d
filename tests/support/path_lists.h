#pragma once

#include <string>
#include <vector>

#include "core/path_list.h"

namespace dirnal::testing {

// A path list holding these entries.
inline PathList listOf(const std::vector<std::string>& entries)
{
    PathList list;
    list.assign(entries);
    return list;
}

}  // namespace dirnal::testing
