#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/directory_lister.h"

namespace dirnal {

// A folder the walk has found: the start folder (number 0), or a
// subdirectory that a listing gave. Folders are numbered in the order they
// are found, and the subdirectories of one folder get consecutive numbers.
struct FoundFolder {
    enum class State : unsigned char {
        Waiting,    // to be listed
        Listing,    // its listing is under way
        Answered,   // its listing is in; `outcome` says what it gave
        NotListed,  // never listed: at the deepest level asked for, or a name a list cannot hold
    };
    enum class Outcome : unsigned char {
        Expanded,     // its subdirectories are below
        Vanished,     // gone, or no directory any more
        Unreadable,   // a directory that could not be read
        TimedOut,     // its listing did not answer in time
        OwnAncestor,  // reached again below itself through a link
    };

    // Kept by its parent (in `subdirectories`), or by the walk for the start
    // folder; it never moves while the walk runs.
    const std::string* path = nullptr;
    int parent = -1;
    int depth = 0;  // levels below the start folder
    State state = State::Waiting;
    Outcome outcome = Outcome::Expanded;
    // Reached through a link somewhere on its path, so it may be its own
    // ancestor.
    bool belowLink = false;
    // In the list (or the start folder).
    bool placed = false;
    // A line break in its name: a list file line cannot hold it, so it is
    // left out, with what lies below it.
    bool lineBreak = false;
    bool identityKnown = false;
    std::optional<DirectoryIdentity> identity;
    // Where Expanded: full paths in display order; folder number
    // firstChild + k is subdirectories[k].
    std::vector<std::string> subdirectories;
    int firstChild = 0;
};

}  // namespace dirnal
