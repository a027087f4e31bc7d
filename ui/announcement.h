#pragma once

#include <QWidget>

namespace dirnal::ui {

// Tells assistive technology a text, wherever the focus is: a notification
// shown anew for each text, never drawn. Orca, for one, speaks a
// notification that appears, but no change of a label's name.
class Announcement final : public QWidget {
    Q_OBJECT
public:
    explicit Announcement(QWidget* parent);
    // Announced once the window has dealt with the event that brought it: a
    // command ends by enabling the whole window again and giving back the
    // focus, and Orca drops a notification that arrives amid that flood.
    // Texts given meanwhile are announced as the last of them; the same
    // text given again is announced again.
    void announce(const QString& text);

private:
    void showText();

    QString text_;
    bool pending_ = false;
};

}  // namespace dirnal::ui
