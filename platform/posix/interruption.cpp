#include "platform/posix/interruption.h"

#include <unistd.h>

#include <climits>
#include <cstring>
#include <pthread.h>

namespace dirnal::posix {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
constexpr int kCount = sizeof kSignals / sizeof kSignals[0];

volatile std::sig_atomic_t deferred[kCount];

void noteSignal(int signal)
{
    for (int i = 0; i < kCount; ++i)
        if (kSignals[i] == signal)
            deferred[i] = 1;
}

// Written before the handler is installed, read only by it: no lock.
char temporaryPath[PATH_MAX + 1];

void removeTemporaryAndEnd(int signal)
{
    ::unlink(temporaryPath);
    std::signal(signal, SIG_DFL);
    ::raise(signal);
}

struct sigaction actionOf(void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    for (const int signal : kSignals)
        sigaddset(&action.sa_mask, signal);
    action.sa_flags = SA_RESTART;
    return action;
}

bool ignored(const struct sigaction& action)
{
    return !(action.sa_flags & SA_SIGINFO) && action.sa_handler == SIG_IGN;
}

bool usual(const struct sigaction& action)
{
    return !(action.sa_flags & SA_SIGINFO) && action.sa_handler == SIG_DFL;
}

}  // namespace

// The handler catches a signal sent to another thread; this thread blocks
// them, so that none breaks into its writes.
SignalsDeferred::SignalsDeferred()
{
    sigset_t all;
    sigemptyset(&all);
    for (const int signal : kSignals)
        sigaddset(&all, signal);
    ::pthread_sigmask(SIG_BLOCK, &all, &previousMask_);
    const struct sigaction note = actionOf(noteSignal);
    for (int i = 0; i < kCount; ++i) {
        deferred[i] = 0;
        ::sigaction(kSignals[i], nullptr, &previous_[i]);
        if (!ignored(previous_[i]))
            ::sigaction(kSignals[i], &note, nullptr);
    }
}

// The old actions first, then the signals that came, then this thread lets
// them through: each acts as it would have.
SignalsDeferred::~SignalsDeferred()
{
    for (int i = 0; i < kCount; ++i)
        ::sigaction(kSignals[i], &previous_[i], nullptr);
    for (int i = 0; i < kCount; ++i)
        if (deferred[i])
            ::raise(kSignals[i]);
    ::pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
}

RemovedOnSignal::RemovedOnSignal(const std::string& path)
{
    if (path.size() > PATH_MAX)
        return;
    std::memcpy(temporaryPath, path.c_str(), path.size() + 1);
    const struct sigaction remove = actionOf(removeTemporaryAndEnd);
    for (int i = 0; i < kCount; ++i) {
        ::sigaction(kSignals[i], nullptr, &previous_[i]);
        installed_[i] = usual(previous_[i]) && ::sigaction(kSignals[i], &remove, nullptr) == 0;
    }
}

RemovedOnSignal::~RemovedOnSignal()
{
    for (int i = 0; i < kCount; ++i)
        if (installed_[i])
            ::sigaction(kSignals[i], &previous_[i], nullptr);
}

}  // namespace dirnal::posix
