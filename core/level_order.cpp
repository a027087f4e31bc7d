#include "core/level_order.h"

namespace dirnal {

std::vector<std::string> LevelOrder::paths(bool move)
{
    std::vector<std::string> paths;
    paths.reserve(order_.size());
    for (const int number : order_) {
        const FoundFolder& folder = folders_[static_cast<std::size_t>(number)];
        FoundFolder& parent = folders_[static_cast<std::size_t>(folder.parent)];
        std::string& path = parent.subdirectories[static_cast<std::size_t>(number - parent.firstChild)];
        paths.push_back(move ? std::move(path) : path);
    }
    return paths;
}

}  // namespace dirnal
