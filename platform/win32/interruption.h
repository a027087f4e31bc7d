#pragma once

#include <string>

namespace dirnal::win32 {

// While one lives, the console's Ctrl+C, Ctrl+Break, close, logoff and
// shutdown events wait until it goes, then act as they would have (the
// program ends): for the span of an in-place write, which must not be cut
// in two. Windows itself ends the program a few seconds after a close.
class ConsoleEventsDeferred {
public:
    ConsoleEventsDeferred();
    ~ConsoleEventsDeferred();
    ConsoleEventsDeferred(const ConsoleEventsDeferred&) = delete;
    ConsoleEventsDeferred& operator=(const ConsoleEventsDeferred&) = delete;
};

// While one lives, those events delete the file before the program ends:
// a temporary file is not left behind. One file at a time; the file must
// be open with FILE_SHARE_DELETE, so that it goes once closed.
class RemovedOnConsoleEvent {
public:
    explicit RemovedOnConsoleEvent(const std::wstring& path);
    ~RemovedOnConsoleEvent();
    RemovedOnConsoleEvent(const RemovedOnConsoleEvent&) = delete;
    RemovedOnConsoleEvent& operator=(const RemovedOnConsoleEvent&) = delete;
};

// A random number from the system's generator, for names no one can guess.
unsigned long long randomNumber();

}  // namespace dirnal::win32
