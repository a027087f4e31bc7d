#include "ui/caption_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace dirnal::ui {

CaptionButton::CaptionButton(QWidget* parent) : QPushButton(parent)
{
    setAutoDefault(false);
}

void CaptionButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    // The button as the style draws it, its focus mark included, but
    // without the one-line caption: that one is drawn below, wrapped.
    painter.drawControl(QStyle::CE_PushButton, option);
    const QPalette::ColorRole role = QPalette::ButtonText;
    painter.drawItemText(captionArea(rect()), kCaptionFlags, palette(), isEnabled(), text(), role);
}

}  // namespace dirnal::ui
