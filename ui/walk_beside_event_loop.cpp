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

// Drops the user's clicks and keys. The event loop cannot simply leave user
// input out: on X11 Qt counts the window manager's close request as input and
// holds it back until the walk has ended, and if a notice about the walk is
// shown then, the window is blocked and Qt drops the request.
class DropUserInput final : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::ShortcutOverride:  // accepted: no shortcut fires either
            event->accept();
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::InputMethod:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TabletPress:
            return true;
        default:
            return false;
        }
    }
};
}  // namespace

GeneratedList walkBesideEventLoop(const std::function<GeneratedList()>& walk, const std::atomic<int>& found,
                                  const std::function<void(int found)>& showProgress)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    GeneratedList result;
    QEventLoop loop;
    std::thread walker([&] {
        result = walk();
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    QElapsedTimer clock;
    clock.start();
    QTimer progress;
    QObject::connect(&progress, &QTimer::timeout, &loop, [&] {
        if (clock.elapsed() >= kQuietWalkMilliseconds)
            showProgress(found.load());
    });
    progress.start(kProgressMilliseconds);
    DropUserInput dropUserInput;
    QCoreApplication::instance()->installEventFilter(&dropUserInput);
    loop.exec();
    QCoreApplication::instance()->removeEventFilter(&dropUserInput);
    walker.join();
    QApplication::restoreOverrideCursor();
    return result;
}

}  // namespace dirnal::ui
