#pragma once

#include <QObject>

#include <chrono>
#include <functional>
#include <utility>

namespace dirnal::ui {

// How long the window waits for a file system to answer a check (a drive, a
// stored folder) before it counts the drive or folder as unavailable.
constexpr std::chrono::milliseconds kFileSystemAnswerTimeout{3000};

// Runs a question that may wait for ever (a hung mount) on a thread of its
// own, which is left behind, never waited for. Its answer is handed over on
// the receiver's thread, or dropped when the receiver is gone by then.
void askBesideEventLoop(QObject& receiver, std::function<std::function<void()>()> askThenHandOver);

template <typename Answer>
void askBesideEventLoop(QObject& receiver, std::function<Answer()> ask, std::function<void(Answer)> answered)
{
    askBesideEventLoop(receiver, [ask = std::move(ask), answered = std::move(answered)]() -> std::function<void()> {
        return [answered, answer = ask()]() { answered(answer); };
    });
}

}  // namespace dirnal::ui
