#include "core/path_list.h"

#include <algorithm>
#include <stdexcept>

namespace dirnal {

namespace {
void checkIndex(int index, int count)
{
    if (index < 0 || index >= count)
        throw std::out_of_range("path list index " + std::to_string(index) + " outside 0.." +
                                std::to_string(count - 1));
}
}  // namespace

const std::string& PathList::entryAt(int index) const
{
    checkIndex(index, count());
    return entries_[static_cast<std::size_t>(index)];
}

void PathList::replaceEntry(int index, std::string text)
{
    checkIndex(index, count());
    entries_[static_cast<std::size_t>(index)] = std::move(text);
}

bool PathList::append(std::string text)
{
    if (isFull())
        return false;
    entries_.push_back(std::move(text));
    selected_.push_back(0);
    return true;
}

void PathList::clear()
{
    entries_.clear();
    selected_.clear();
    current_ = -1;
}

int PathList::assign(std::vector<std::string> entries)
{
    if (entries.size() > static_cast<std::size_t>(kMaxEntries))
        entries.resize(static_cast<std::size_t>(kMaxEntries));
    entries_ = std::move(entries);
    selected_.assign(entries_.size(), 0);
    current_ = -1;
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
    selected_[static_cast<std::size_t>(index)] = selected ? 1 : 0;
}

int PathList::selectedCount() const
{
    return static_cast<int>(std::count(selected_.begin(), selected_.end(), char{1}));
}

void PathList::setCurrentIndex(int index)
{
    if (index != -1)
        checkIndex(index, count());
    current_ = index;
}

std::string PathList::currentText() const
{
    return current_ < 0 ? std::string() : entries_[static_cast<std::size_t>(current_)];
}

}  // namespace dirnal
