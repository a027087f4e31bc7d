#include "ui/walk_beside_event_loop.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <thread>

namespace dirnal::ui {

namespace {
// A walk shorter than this shows no progress.
constexpr int kQuietWalkMilliseconds = 500;
constexpr int kProgressMilliseconds = 100;
}  // namespace

void runBesideEventLoop(const std::function<void()>& work, const std::function<void()>& showProgress)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QEventLoop loop;
    std::thread worker([&] {
        work();
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    QElapsedTimer clock;
    clock.start();
    QTimer progress;
    QObject::connect(&progress, &QTimer::timeout, &loop, [&] {
        if (clock.elapsed() >= kQuietWalkMilliseconds)
            showProgress();
    });
    progress.start(kProgressMilliseconds);
    loop.exec();
    worker.join();
    QApplication::restoreOverrideCursor();
}

GeneratedList walkBesideEventLoop(const std::function<GeneratedList()>& walk, const std::atomic<int>& found,
                                  const std::function<void(int found)>& showProgress)
{
    GeneratedList result;
    runBesideEventLoop([&] { result = walk(); }, [&] { showProgress(found.load()); });
    return result;
}

}  // namespace dirnal::ui
