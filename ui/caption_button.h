#pragma once

#include <QPushButton>

namespace dirnal::ui {

// A push button whose caption wraps onto further lines when it is wider
// than the button, as the captions of this window are laid out.
class CaptionButton final : public QPushButton {
    Q_OBJECT
public:
    explicit CaptionButton(QWidget* parent = nullptr);

    // Where the caption is drawn inside a button of the given size.
    static QRect captionArea(const QRect& buttonRect) { return buttonRect.adjusted(2, 1, -2, -1); }
    static constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace dirnal::ui
