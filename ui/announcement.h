#pragma once

#include <QWidget>

class QTimer;

namespace dirnal::ui {

// Tells assistive technology a text, wherever the focus is: a notification
// shown anew for each text, never drawn. Orca, for one, speaks a
// notification that appears, but no change of a label's name.
class Announcement final : public QWidget {
    Q_OBJECT
public:
    explicit Announcement(QWidget* parent);
    // Announced a moment later: a command ends by enabling the whole window
    // again and giving back the focus, a flood of events in which Orca
    // drops what comes. Texts given meanwhile are announced as the last of
    // them; the same text given again is announced again.
    void announce(const QString& text);
    // The window changed a great deal just now (enabled or disabled every
    // control): an announcement waiting waits a moment more.
    void waitForTheWindow();

private:
    void showText();

    QString text_;
    QTimer* settle_;
};

}  // namespace dirnal::ui
