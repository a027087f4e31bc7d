#include "ui/close_box.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>

#include "ui/focus_mark.h"

namespace dirnal::ui {

void CloseBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.state &= ~QStyle::State_HasFocus;
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
    if (hasFocus())
        drawFocusMark(painter, *this);
}

}  // namespace dirnal::ui
