#include "cli/interrupts.h"

#include <atomic>

#ifdef _WIN32
#include <windows.h>
#else
#include <pthread.h>
#include <signal.h>

#include <thread>
#endif

namespace dirnal::cli {

namespace {
std::atomic<int> received{0};
std::atomic<WalkCancel*> cancelling{nullptr};
constexpr int kSigInt = 2;
constexpr int kSigTerm = 15;
}  // namespace

int Interrupts::exitCode() const
{
    return 128 + (received == kSigTerm ? kSigTerm : kSigInt);
}

#ifdef _WIN32

namespace {
// Called by the system on a thread of its own.
BOOL WINAPI onConsoleControl(DWORD event)
{
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        return FALSE;
    received = kSigInt;
    if (WalkCancel* cancel = cancelling.load())
        cancel->cancel();
    return TRUE;
}
}  // namespace

Interrupts::DuringWalk::DuringWalk(Interrupts* interrupts) : interrupts_(interrupts)
{
    if (!interrupts_)
        return;
    cancelling = &interrupts_->cancel_;
    ::SetConsoleCtrlHandler(onConsoleControl, TRUE);
}

Interrupts::DuringWalk::~DuringWalk()
{
    if (!interrupts_)
        return;
    ::SetConsoleCtrlHandler(onConsoleControl, FALSE);
    cancelling = nullptr;
}

#else

namespace {
// The signals are blocked on the walking thread, and so on every listing
// thread it starts, and taken by one that waits for them, where cancelling
// is allowed (a signal handler could lock no mutex).
std::thread listener;
std::atomic<bool> stopping{false};

sigset_t endingSignals()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}
}  // namespace

Interrupts::DuringWalk::DuringWalk(Interrupts* interrupts) : interrupts_(interrupts)
{
    if (!interrupts_)
        return;
    cancelling = &interrupts_->cancel_;
    stopping = false;
    const sigset_t set = endingSignals();
    ::pthread_sigmask(SIG_BLOCK, &set, nullptr);
    listener = std::thread([set] {
        for (int signal = 0; ::sigwait(&set, &signal) == 0 && !stopping;) {
            received = signal;
            cancelling.load()->cancel();
        }
    });
}

Interrupts::DuringWalk::~DuringWalk()
{
    if (!interrupts_)
        return;
    stopping = true;
    ::pthread_kill(listener.native_handle(), SIGTERM);  // to the listener alone
    listener.join();
    cancelling = nullptr;
    // A signal that came since acts now, as it would have.
    const sigset_t set = endingSignals();
    ::pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
}

#endif

}  // namespace dirnal::cli
