#pragma once

#include "ui/fitting_label.h"

namespace dirnal::ui {

// The window's status line. Assistive technology sees it as a status bar
// named by its text, so that a screen reader's "read status bar" finds it,
// and each new text is announced as a notification shown inside it: Orca,
// for one, speaks a notification that appears wherever the focus is, but
// no change of a label's or a status bar's name.
class StatusLine final : public FittingLabel {
    Q_OBJECT
public:
    explicit StatusLine(QWidget* parent = nullptr);
    // Hides FittingLabel::setText, to announce the text, also when it is
    // the one shown.
    void setText(const QString& text);

private:
    void announce();

    QWidget* announcement_;  // never drawn: only assistive technology sees it
    bool announcing_ = false;
};

}  // namespace dirnal::ui
