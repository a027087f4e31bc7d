#pragma once

#include <QToolButton>

namespace dirnal::ui {

// The "X" that closes a panel: a small tool button with the window's focus
// mark. Some styles draw a focused tool button's text in the highlight's
// text colour on a background that is no highlight, so that the "X"
// vanished while it had the focus.
class CloseBox final : public QToolButton {
    Q_OBJECT
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace dirnal::ui
