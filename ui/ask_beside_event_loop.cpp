#include "ui/ask_beside_event_loop.h"

#include <QThread>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <mutex>
#include <optional>

namespace dirnal::ui {

namespace {

// The receiver while it lives; the thread posts to it only under the lock,
// so that it never posts to an object being destroyed (whose posted events
// Qt drops with it).
struct Receiver {
    std::mutex mutex;
    QObject* object;
    QMetaObject::Connection gone;
};

}  // namespace

void askBesideEventLoop(QObject& receiver, std::function<std::function<void()>()> askThenHandOver)
{
    auto link = std::make_shared<Receiver>();
    link->object = &receiver;
    link->gone = QObject::connect(&receiver, &QObject::destroyed, [link] {
        const std::lock_guard lock(link->mutex);
        link->object = nullptr;
    });
    // A thread of Qt's, which is the system's own on Windows too; it goes
    // once it has answered, and never when it does not.
    QThread* thread = QThread::create([link, askThenHandOver = std::move(askThenHandOver)] {
        std::function<void()> handOver = askThenHandOver();
        const std::lock_guard lock(link->mutex);
        if (!link->object)
            return;
        QMetaObject::invokeMethod(
            link->object,
            [link, handOver = std::move(handOver)] {
                QObject::disconnect(link->gone);
                handOver();
            },
            Qt::QueuedConnection);
    });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

void checkDirectoriesBesideEventLoop(QObject& receiver, const DirectoryLister& lister,
                                     const std::vector<std::string>& paths,
                                     std::function<void(const std::vector<bool>& exist)> done)
{
    struct Answers {
        std::vector<std::optional<bool>> exist;
        std::function<void(const std::vector<bool>&)> done;
        void finishIfComplete(bool waitOver)
        {
            if (!done || (!waitOver && !std::ranges::all_of(exist, [](const auto& a) { return a.has_value(); })))
                return;
            std::vector<bool> answers;
            for (const std::optional<bool>& answer : exist)
                answers.push_back(answer.value_or(false));
            std::exchange(done, {})(answers);
        }
    };
    auto answers = std::make_shared<Answers>(Answers{std::vector<std::optional<bool>>(paths.size()), std::move(done)});
    for (std::size_t i = 0; i < paths.size(); ++i)
        askBesideEventLoop<bool>(
            receiver, [&lister, path = paths[i]] { return lister.dirExists(path); },
            [answers, i](bool exists) {
                answers->exist[i] = exists;
                answers->finishIfComplete(false);
            });
    QTimer::singleShot(kFileSystemAnswerTimeout, &receiver, [answers] { answers->finishIfComplete(true); });
    answers->finishIfComplete(false);
}

}  // namespace dirnal::ui
