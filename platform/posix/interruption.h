#pragma once

#include <csignal>
#include <string>

namespace dirnal::posix {

// While one lives, SIGINT, SIGTERM, SIGHUP and SIGQUIT wait, in every
// thread; when it goes, those that came act as they would have then. For
// the span of an in-place write, which a signal must not cut in two. An
// ignored signal stays ignored.
class SignalsDeferred {
public:
    SignalsDeferred();
    ~SignalsDeferred();
    SignalsDeferred(const SignalsDeferred&) = delete;
    SignalsDeferred& operator=(const SignalsDeferred&) = delete;

private:
    struct sigaction previous_[4] {};
    sigset_t previousMask_{};
};

// While one lives, those signals, where the program leaves them their usual
// action (ending it), remove the file first: a temporary file is not left
// behind. One file at a time.
class RemovedOnSignal {
public:
    explicit RemovedOnSignal(const std::string& path);
    ~RemovedOnSignal();
    RemovedOnSignal(const RemovedOnSignal&) = delete;
    RemovedOnSignal& operator=(const RemovedOnSignal&) = delete;

private:
    struct sigaction previous_[4] {};
    bool installed_[4] {};
};

}  // namespace dirnal::posix
