#pragma once

#include <string>
#include <vector>

namespace dirnal {

// What changed in a path list, for a front end to show just that.
struct ListChange {
    enum class Kind {
        Rebuilt,    // everything: the entries, their selection and the current entry
        Rewritten,  // the text of the entries first..last
        Appended,   // the entries first..last are new at the end
        Selection,  // the selected flags of the entries first..last
        Current,    // which entry is current (the list's own; first and last say nothing)
    };
    Kind kind = Kind::Rebuilt;
    int first = 0;
    int last = -1;
    bool operator==(const ListChange&) const = default;
};

// The ordered, unsorted list of directory paths that becomes dirnal.lst.
// Entries may repeat and may be empty. Each entry carries a selected flag;
// at most one entry is current. Removal is always a rebuild (assign).
// The list notes what its operations change, for the session to announce.
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

    // -1 when there is no current entry.
    int currentIndex() const { return current_; }
    void setCurrentIndex(int index);

    const std::vector<std::string>& entries() const { return entries_; }

    // What changed since the last call, in order. Changes of one kind in a
    // row come as one covering them all; a rebuild comes alone, as it
    // covers what came before it and after it.
    std::vector<ListChange> takeChanges();

private:
    void note(ListChange::Kind kind, int first, int last);

    std::vector<std::string> entries_;
    std::vector<char> selected_;
    int current_ = -1;
    std::vector<ListChange> changes_;
};

}  // namespace dirnal
