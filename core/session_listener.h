#pragma once

#include "core/path_list.h"

namespace dirnal {

// What a front end hears from a session: each part of its state that an
// operation changed, once the operation is done (and before it asks or
// tells the user anything). The new state is read from the session.
class SessionListener {
public:
    virtual ~SessionListener() = default;
    virtual void listChanged(const ListChange& change) { (void)change; }
    virtual void startPositionChanged() {}
    virtual void storageLocationChanged() {}
    virtual void nameFormChanged() {}
    virtual void clickedEntryChanged() {}
    virtual void singlePathChanged() {}
    // Also when the same text is shown again: it is news all the same.
    virtual void statusChanged() {}
    virtual void busyChanged() {}
    // A command told what it did where no status does (for a screen
    // reader); also when the same text comes again.
    virtual void commandSummaryChanged() {}
};

}  // namespace dirnal
