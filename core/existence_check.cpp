#include "core/existence_check.h"

#include <algorithm>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

namespace dirnal {

namespace {

using Clock = std::chrono::steady_clock;

// Shared by the waiting thread and the checking ones; a checking thread
// that is given up keeps it alive until its question returns.
struct CheckState {
    CheckState(const std::vector<std::string>& checked, const DirectoryLister& asked)
        : paths(checked), lister(asked), answers(checked.size(), Existence::Unknown)
    {
    }

    struct Checker {
        std::size_t index = 0;
        Clock::time_point since;
        bool asking = false;
        bool givenUp = false;
    };

    const std::vector<std::string> paths;
    const DirectoryLister& lister;
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<Existence> answers;
    std::vector<Checker> checkers;
    std::size_t next = 0;
    std::size_t answered = 0;
    bool stop = false;
};

void checkPaths(const std::shared_ptr<CheckState>& state, std::size_t checker)
{
    std::unique_lock lock(state->mutex);
    while (!state->stop && !state->checkers[checker].givenUp && state->next < state->paths.size()) {
        const std::size_t index = state->next++;
        state->checkers[checker] = {index, Clock::now(), true, false};
        lock.unlock();
        const Existence answer = state->lister.existence(state->paths[index]);
        lock.lock();
        if (state->checkers[checker].givenUp)
            return;  // too late: the path counts as Unknown already
        state->checkers[checker].asking = false;
        state->answers[index] = answer;
        ++state->answered;
        state->changed.notify_all();
    }
}

// A new checking thread, under the state's lock; false when the system
// will start none.
bool startChecker(const std::shared_ptr<CheckState>& state, std::vector<std::thread>& threads)
{
    const std::size_t checker = state->checkers.size();
    state->checkers.emplace_back();
    try {
        threads.emplace_back(checkPaths, state, checker);
        return true;
    } catch (const std::system_error&) {
        state->checkers.pop_back();
        return false;
    }
}

}  // namespace

std::optional<std::vector<Existence>> existenceOf(const std::vector<std::string>& paths, const DirectoryLister& lister,
                                                  const CheckOptions& options)
{
    if (options.cancel && options.cancel->cancelled())
        return std::nullopt;
    const auto state = std::make_shared<CheckState>(paths, lister);
    std::vector<std::thread> threads;
    std::vector<char> detach;  // per thread: given up, never joined
    std::unique_lock lock(state->mutex);
    const auto wanted = std::min(static_cast<std::size_t>(std::clamp(options.concurrentChecks, 1, 256)), paths.size());
    while (threads.size() < wanted && startChecker(state, threads))
        detach.push_back(0);
    if (threads.empty() && !paths.empty()) {
        // Without a thread of its own no question can be given up.
        lock.unlock();
        for (std::size_t i = 0; i < paths.size(); ++i)
            state->answers[i] = lister.existence(paths[i]);
        return state->answers;
    }
    if (options.cancel)
        options.cancel->onCancel([state] {
            const std::lock_guard wake(state->mutex);
            state->changed.notify_all();
        });

    const auto tick = std::clamp(options.timeout / 4, std::chrono::milliseconds(1), std::chrono::milliseconds(100));
    bool cancelled = false;
    std::size_t told = 0, givenUp = 0;
    while (state->answered < paths.size()) {
        if (options.cancel && options.cancel->cancelled()) {
            cancelled = true;
            break;
        }
        state->changed.wait_for(lock, tick);
        const Clock::time_point now = Clock::now();
        for (std::size_t c = 0; c < state->checkers.size(); ++c) {
            CheckState::Checker& checker = state->checkers[c];
            if (!checker.asking || checker.givenUp || now - checker.since < options.timeout)
                continue;
            checker.givenUp = true;
            detach[c] = 1;
            ++state->answered;  // Unknown, as it stands
            // As many questions stuck as are asked at once: the share is
            // down, and every thread more would stay stuck too. What is
            // not asked yet stays Unknown.
            if (++givenUp >= wanted) {
                state->answered += paths.size() - state->next;
                state->next = paths.size();
            }
            if (state->next < paths.size() && startChecker(state, threads))
                detach.push_back(0);
        }
        if (options.progress && state->answered != told)
            options.progress(told = state->answered);
    }
    state->stop = true;
    // A cancel waits for no question still out.
    for (std::size_t c = 0; c < state->checkers.size(); ++c)
        if (state->checkers[c].asking)
            detach[c] = 1;
    lock.unlock();
    if (options.cancel)
        options.cancel->onCancel({});
    for (std::size_t t = 0; t < threads.size(); ++t)
        detach[t] ? threads[t].detach() : threads[t].join();
    if (cancelled)
        return std::nullopt;
    const std::lock_guard done(state->mutex);
    return state->answers;
}

}  // namespace dirnal
