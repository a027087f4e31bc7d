#include "ui/run_beside_event_loop.h"

#include <QApplication>
#include <QEventLoop>

#include <thread>

namespace dirnal::ui {

void runBesideEventLoop(const std::function<void()>& work)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QEventLoop loop;
    std::thread worker([&] {
        work();
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    QApplication::restoreOverrideCursor();
}

}  // namespace dirnal::ui
