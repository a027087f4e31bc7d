#pragma once

#include <QPainter>
#include <QWidget>

namespace dirnal::ui {

// The mark of a control that has the focus where the style draws none: a
// dotted frame in a text colour, which every theme keeps readable on the
// background it goes with.
inline void drawFocusMark(QPainter& painter, const QRect& area, const QColor& colour)
{
    painter.save();
    painter.setPen(QPen(colour, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.restore();
}

// Along the control's edges, in its window text colour.
inline void drawFocusMark(QPainter& painter, const QWidget& control)
{
    drawFocusMark(painter, control.rect(), control.palette().color(QPalette::WindowText));
}

}  // namespace dirnal::ui
