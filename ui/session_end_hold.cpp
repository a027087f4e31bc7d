#include "ui/session_end_hold.h"

#include <QByteArray>

#ifdef _WIN32
#include <windows.h>
#endif

namespace dirnal::ui {

void SessionEndHold::writeBegins()
{
    const std::lock_guard lock(mutex_);
    ++writes_;
}

void SessionEndHold::writeEnds()
{
    {
        const std::lock_guard lock(mutex_);
        --writes_;
    }
    done_.notify_all();
}

bool SessionEndHold::nativeEventFilter([[maybe_unused]] const QByteArray& eventType,
                                       [[maybe_unused]] void* message, qintptr*)
{
#ifdef _WIN32
    if (eventType != QByteArrayLiteral("windows_generic_MSG") && eventType != QByteArrayLiteral("windows_dispatcher_MSG"))
        return false;
    // WM_ENDSESSION with wParam FALSE: the session goes on after all.
    const auto* msg = static_cast<const MSG*>(message);
    if (msg->message == WM_QUERYENDSESSION || (msg->message == WM_ENDSESSION && msg->wParam)) {
        std::unique_lock lock(mutex_);
        done_.wait(lock, [this] { return writes_ == 0; });
    }
#endif
    return false;  // Qt answers the message as ever
}

}  // namespace dirnal::ui
