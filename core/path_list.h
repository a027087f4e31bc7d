#pragma once

#include <string>
#include <vector>

namespace dirnal {

// The ordered, unsorted list of directory paths that becomes dirnal.lst.
// Entries may repeat and may be empty. Each entry carries a selected flag;
// at most one entry is current. Removal is always a rebuild (assign).
class PathList {
public:
    // Indexes and counts are 16-bit signed in the list file's world.
    static constexpr int kMaxEntries = 32767;

    int count() const { return static_cast<int>(entries_.size()); }
    bool isFull() const { return count() >= kMaxEntries; }

    // Preconditions: 0 <= index < count().
    const std::string& entryAt(int index) const;
    void replaceEntry(int index, std::string text);

    // Appends the text as the new last entry. Returns false, and changes
    // nothing, when the list already holds kMaxEntries entries.
    [[nodiscard]] bool append(std::string text);

    // No entries, no selection, no current entry.
    void clear();

    // Clears the list and appends the given entries in order. Returns how
    // many were taken (fewer than given only when the limit cut them off).
    int assign(std::vector<std::string> entries);

    bool isSelected(int index) const;
    void setSelected(int index, bool selected);
    int selectedCount() const;

    // -1 when there is no current entry.
    int currentIndex() const { return current_; }
    void setCurrentIndex(int index);
    // The current entry's text, or empty when there is none.
    std::string currentText() const;

    const std::vector<std::string>& entries() const { return entries_; }

private:
    std::vector<std::string> entries_;
    std::vector<char> selected_;
    int current_ = -1;
};

}  // namespace dirnal
