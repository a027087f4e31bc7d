#pragma once

#include <QAbstractNativeEventFilter>

#include <condition_variable>
#include <mutex>

namespace dirnal::ui {

// Holds the end of the Windows session while a list file is written. Asked
// with WM_QUERYENDSESSION whether the session may end, Qt closes the
// windows, and a window closed while it writes ends the program at once;
// after WM_ENDSESSION, Windows ends it soon. Either would cut a write in
// place in two, the file part old and part new, so both wait until the
// write is done; the write runs beside the event loop and needs nothing of
// it. Elsewhere the end of a session comes as a signal, which such a write
// holds itself.
class SessionEndHold final : public QAbstractNativeEventFilter {
public:
    // Before the write starts, on the thread that answers the messages.
    void writeBegins();
    // Once it is done, on any thread.
    void writeEnds();

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    std::mutex mutex_;
    std::condition_variable done_;
    int writes_ = 0;
};

}  // namespace dirnal::ui
