#pragma once

#include "ui/fitting_label.h"

namespace dirnal::ui {

class Announcement;

// The window's status line. Assistive technology sees it as a status bar
// named by its text, so that a screen reader's "read status bar" finds it,
// and each new text is announced.
class StatusLine final : public FittingLabel {
    Q_OBJECT
public:
    explicit StatusLine(QWidget* parent = nullptr);
    // Hides FittingLabel::setText, to announce the text, also when it is
    // the one shown.
    void setText(const QString& text);
    Announcement& announcement() { return *announcement_; }

private:
    Announcement* announcement_;
};

}  // namespace dirnal::ui
