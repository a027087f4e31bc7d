#pragma once

#include <chrono>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "core/directory_lister.h"

namespace dirnal::testing {

// Checks that wait, as a hung mount holds them, until the path is released: whether a drive answers, whether a
// path exists (as a lister over another one). A check still held when the test ends is let go then and answers no;
// the threads it held outlive the test, so they share the state.
class HeldChecks final : public DirectoryLister {
public:
    explicit HeldChecks(const DirectoryLister& lister) : state_(std::make_shared<State>(lister)) {}
    ~HeldChecks() override
    {
        const std::lock_guard lock(state_->mutex);
        state_->over = true;
        for (auto& [path, release] : state_->held)
            release.set_value();
    }
    void hold(const std::string& path)
    {
        const std::lock_guard lock(state_->mutex);
        state_->released.emplace(path, state_->held[path].get_future().share());
    }
    void release(const std::string& path)
    {
        const std::lock_guard lock(state_->mutex);
        state_->held.at(path).set_value();
        state_->held.erase(path);
    }
    // A drive answers when its path names a directory.
    std::function<bool(const std::string&)> driveAnswers() const
    {
        return [state = state_](const std::string& drive) { return state->exists(drive); };
    }
    // The call holds the state while it waits: the checks may be let go meanwhile.
    bool dirExists(const std::string& path) const override
    {
        const std::shared_ptr<State> state = state_;
        return state->exists(path);
    }
    DirectoryListing list(const std::string& directory) const override { return state_->lister.list(directory); }

private:
    struct State {
        explicit State(const DirectoryLister& from) : lister(from) {}
        bool exists(const std::string& path)
        {
            std::shared_future<void> wait;
            {
                const std::lock_guard lock(mutex);
                if (const auto found = this->released.find(path); found != this->released.end())
                    wait = found->second;
            }
            if (wait.valid())
                wait.wait_for(std::chrono::seconds(10));  // a test that fails before it releases does not hang
            const std::lock_guard lock(mutex);
            return !over && lister.dirExists(path);
        }
        const DirectoryLister& lister;
        std::mutex mutex;
        std::map<std::string, std::promise<void>> held;
        std::map<std::string, std::shared_future<void>> released;
        bool over = false;
    };
    std::shared_ptr<State> state_;
};

}  // namespace dirnal::testing
