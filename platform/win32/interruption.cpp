#include "platform/win32/interruption.h"

#include <windows.h>
#include <bcrypt.h>

#include <atomic>
#include <random>

namespace dirnal::win32 {

namespace {

HANDLE spanEnded = nullptr;
std::atomic<bool> eventDeferred{false};

// Runs in a thread of its own: it holds the event until the span is over,
// then ends the program as Windows' own handler does. Handing the event on
// is not enough: an earlier handler may keep the program running, and
// Wine's last one ends it with success.
BOOL WINAPI waitForTheSpan(DWORD)
{
    eventDeferred = true;
    ::WaitForSingleObject(spanEnded, INFINITE);
    ::ExitProcess(STATUS_CONTROL_C_EXIT);
}

wchar_t temporaryPath[32768];

BOOL WINAPI removeTemporary(DWORD)
{
    ::DeleteFileW(temporaryPath);
    return FALSE;
}

}  // namespace

// One event for every span, never closed: a handler still waking up from
// the last span reads it.
ConsoleEventsDeferred::ConsoleEventsDeferred()
{
    if (!spanEnded)
        spanEnded = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (spanEnded && ::ResetEvent(spanEnded))
        ::SetConsoleCtrlHandler(waitForTheSpan, TRUE);
}

ConsoleEventsDeferred::~ConsoleEventsDeferred()
{
    if (spanEnded && ::SetEvent(spanEnded))
        ::SetConsoleCtrlHandler(waitForTheSpan, FALSE);
    // The event ends the program now, as it would have at once: the main
    // thread must not run on and end it with success meanwhile.
    if (eventDeferred.exchange(false))
        ::ExitProcess(STATUS_CONTROL_C_EXIT);
}

RemovedOnConsoleEvent::RemovedOnConsoleEvent(const std::wstring& path)
{
    if (path.size() >= sizeof temporaryPath / sizeof temporaryPath[0])
        return;
    path.copy(temporaryPath, path.size());
    temporaryPath[path.size()] = L'\0';
    ::SetConsoleCtrlHandler(removeTemporary, TRUE);
}

RemovedOnConsoleEvent::~RemovedOnConsoleEvent()
{
    ::SetConsoleCtrlHandler(removeTemporary, FALSE);
}

unsigned long long randomNumber()
{
    unsigned long long number = 0;
    if (BCRYPT_SUCCESS(::BCryptGenRandom(nullptr, reinterpret_cast<PUCHAR>(&number), sizeof number,
                                         BCRYPT_USE_SYSTEM_PREFERRED_RNG)))
        return number;
    std::random_device device;
    return (static_cast<unsigned long long>(device()) << 32) ^ device();
}

}  // namespace dirnal::win32
