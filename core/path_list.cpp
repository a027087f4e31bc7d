#include "core/path_list.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace dirnal {

namespace {

// Past this many changes of mixed kinds, a rebuild says it shorter.
constexpr std::size_t kMostChangesNoted = 16;

void checkIndex(int index, int count)
{
    if (index < 0 || index >= count)
        throw std::out_of_range("path list index " + std::to_string(index) + " outside 0.." +
                                std::to_string(count - 1));
}

}  // namespace

void PathList::note(ListChange::Kind kind, int first, int last)
{
    using Kind = ListChange::Kind;
    if (!changes_.empty() && changes_.front().kind == Kind::Rebuilt)
        return;
    if (kind != Kind::Rebuilt && !changes_.empty() && changes_.back().kind == kind) {
        ListChange& latest = changes_.back();
        latest.first = std::min(latest.first, first);
        latest.last = std::max(latest.last, last);
        return;
    }
    if (kind == Kind::Rebuilt || changes_.size() == kMostChangesNoted)
        changes_.assign(1, ListChange{});
    else
        changes_.push_back({kind, first, last});
}

std::vector<ListChange> PathList::takeChanges()
{
    return std::exchange(changes_, {});
}

const std::string& PathList::entryAt(int index) const
{
    checkIndex(index, count());
    return entries_[static_cast<std::size_t>(index)];
}

void PathList::replaceEntry(int index, std::string text)
{
    checkIndex(index, count());
    std::string& entry = entries_[static_cast<std::size_t>(index)];
    if (entry == text)
        return;
    entry = std::move(text);
    note(ListChange::Kind::Rewritten, index, index);
}

bool PathList::append(std::string text)
{
    if (isFull())
        return false;
    entries_.push_back(std::move(text));
    selected_.push_back(0);
    note(ListChange::Kind::Appended, count() - 1, count() - 1);
    return true;
}

void PathList::clear()
{
    entries_.clear();
    selected_.clear();
    current_ = -1;
    note(ListChange::Kind::Rebuilt, 0, -1);
}

int PathList::assign(std::vector<std::string> entries)
{
    if (entries.size() > static_cast<std::size_t>(kMaxEntries))
        entries.resize(static_cast<std::size_t>(kMaxEntries));
    entries_ = std::move(entries);
    selected_.assign(entries_.size(), 0);
    current_ = -1;
    note(ListChange::Kind::Rebuilt, 0, -1);
    return count();
}

bool PathList::isSelected(int index) const
{
    checkIndex(index, count());
    return selected_[static_cast<std::size_t>(index)] != 0;
}

void PathList::setSelected(int index, bool selected)
{
    checkIndex(index, count());
    char& flag = selected_[static_cast<std::size_t>(index)];
    if ((flag != 0) == selected)
        return;
    flag = selected ? 1 : 0;
    note(ListChange::Kind::Selection, index, index);
}

void PathList::setCurrentIndex(int index)
{
    if (index != -1)
        checkIndex(index, count());
    if (index == current_)
        return;
    current_ = index;
    note(ListChange::Kind::Current, index, index);
}

}  // namespace dirnal
