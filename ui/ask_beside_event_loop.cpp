#include "ui/ask_beside_event_loop.h"

#include <QThread>

#include <memory>
#include <mutex>

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

}  // namespace dirnal::ui
