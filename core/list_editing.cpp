#include "core/list_editing.h"

namespace dirnal {

int thisnot(PathList& list, std::string_view searchText)
{
    int first = -1;
    const int count = list.count();
    for (int i = 0; i < count; ++i) {
        const std::string& entry = list.entryAt(i);
        const bool match = !entry.empty() && entry.find(searchText) != std::string::npos;
        list.setSelected(i, match);
        if (match && first < 0)
            first = i;
    }
    return first;
}

void blankSelected(PathList& list)
{
    const int count = list.count();
    for (int i = 0; i < count; ++i) {
        if (list.isSelected(i))
            list.replaceEntry(i, std::string());
    }
}

void Leerz(PathList& list)
{
    std::vector<std::string> kept;
    kept.reserve(list.entries().size());
    for (const std::string& entry : list.entries()) {
        if (!entry.empty())
            kept.push_back(entry);
    }
    list.assign(std::move(kept));
}

}  // namespace dirnal
