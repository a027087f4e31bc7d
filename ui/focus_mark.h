#pragma once

#include <QPainter>
#include <QWidget>

namespace dirnal::ui {

// The mark of a control that has the focus and that the style draws none
// for: a dotted frame along its edges in its text colour, which every theme
// keeps readable on the window's background.
inline void drawFocusMark(QPainter& painter, const QWidget& control)
{
    painter.save();
    painter.setPen(QPen(control.palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(control.rect().adjusted(0, 0, -1, -1));
    painter.restore();
}

}  // namespace dirnal::ui
