#pragma once

#include <atomic>
#include <functional>

#include "core/generator.h"

namespace dirnal::ui {

// Runs a walk on a thread of its own while the event loop goes on, so that
// the windows keep being drawn under a wait cursor and a request to close a
// window reaches it (the window lets nothing act while the session is busy).
// A walk that takes longer than half a second shows how many directories it
// has found so far, every tenth of a second.
GeneratedList walkBesideEventLoop(const std::function<GeneratedList()>& walk, const std::atomic<int>& found,
                                  const std::function<void(int found)>& showProgress);

// Any other long work, run in the same way: on a thread of its own under a
// wait cursor, and after half a second `showProgress` every tenth of a
// second, on the event loop's thread.
void runBesideEventLoop(const std::function<void()>& work, const std::function<void()>& showProgress);

}  // namespace dirnal::ui
