#pragma once

#include <QObject>

#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/directory_lister.h"

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

// Asks of each path whether it names a directory, each beside the event
// loop; tells `done` the answers in order once all have come or the wait
// is over, when one still out counts as none. Nothing when the receiver
// is gone by then.
void checkDirectoriesBesideEventLoop(QObject& receiver, const DirectoryLister& lister,
                                     const std::vector<std::string>& paths,
                                     std::function<void(const std::vector<bool>& exist)> done);

}  // namespace dirnal::ui
