#include "core/level_order.h"

namespace dirnal {

std::vector<std::string> LevelOrder::paths() const
{
    std::vector<std::string> paths;
    paths.reserve(order_.size());
    for (const int folder : order_)
        paths.push_back(*folders_[static_cast<std::size_t>(folder)].path);
    return paths;
}

}  // namespace dirnal
