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
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    const QPalette::ColorRole role = QPalette::ButtonText;
    painter.drawItemText(captionArea(rect()), kCaptionFlags, palette(), isEnabled(), text(), role);
}

}  // namespace dirnal::ui
