#pragma once

#include <functional>

namespace dirnal::ui {

// Runs work on a thread of its own while the event loop goes on, under a
// wait cursor, and returns when it is done: the windows keep being drawn
// and a request to close one reaches it while a file system keeps the work
// waiting.
void runBesideEventLoop(const std::function<void()>& work);

}  // namespace dirnal::ui
