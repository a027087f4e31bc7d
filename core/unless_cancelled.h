#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

#include "core/walk_cancel.h"

namespace dirnal {

// Asks on a thread of its own and waits for the answer or the cancel,
// whichever comes first; none when cancelled. A question still out then
// is left behind, owning all it writes to, so what it asks must outlive
// it. Without a thread to spare, it asks right here.
template <typename Answer>
std::optional<Answer> answerUnlessCancelled(std::function<Answer()> ask, WalkCancel& cancel)
{
    struct Shared {
        std::mutex mutex;
        std::condition_variable answered;
        std::optional<Answer> answer;
        bool woken = false;
    };
    const auto shared = std::make_shared<Shared>();
    try {
        std::thread([shared, ask] {
            Answer answer = ask();
            const std::lock_guard lock(shared->mutex);
            shared->answer = std::move(answer);
            shared->answered.notify_all();
        }).detach();
    } catch (const std::system_error&) {
        return ask();
    }
    const bool cancelledAlready = cancel.onCancel([shared] {
        const std::lock_guard lock(shared->mutex);
        shared->woken = true;
        shared->answered.notify_all();
    });
    std::optional<Answer> answer;
    {
        std::unique_lock lock(shared->mutex);
        shared->woken = shared->woken || cancelledAlready;
        shared->answered.wait(lock, [&] { return shared->answer || shared->woken; });
        answer = std::move(shared->answer);
    }
    cancel.onCancel({});
    return answer;
}

}  // namespace dirnal
