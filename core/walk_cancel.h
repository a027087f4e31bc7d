#pragma once

#include <functional>
#include <mutex>

namespace dirnal {

// A request to stop a walk, from any thread. Once cancelled it stays so; a
// walk that starts with it cancelled ends at once.
class WalkCancel {
public:
    void cancel()
    {
        std::function<void()> wake;
        {
            const std::lock_guard lock(mutex_);
            cancelled_ = true;
            wake = wake_;
        }
        if (wake)
            wake();
    }

    bool cancelled() const
    {
        const std::lock_guard lock(mutex_);
        return cancelled_;
    }

    // For a new walk with the same request.
    void reset()
    {
        const std::lock_guard lock(mutex_);
        cancelled_ = false;
    }

    // The walk that waits is woken through this on a cancel (empty: no
    // longer); true when it is cancelled already.
    bool onCancel(std::function<void()> wake)
    {
        const std::lock_guard lock(mutex_);
        wake_ = std::move(wake);
        return cancelled_;
    }

private:
    mutable std::mutex mutex_;
    bool cancelled_ = false;
    std::function<void()> wake_;
};

}  // namespace dirnal
