#include "ui/outline_panel.h"

#include <QPainter>

namespace dirnal::ui {

OutlinePanel::OutlinePanel(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
}

void OutlinePanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const int right = width() - 1;
    const int bottom = height() - 1;
    painter.drawLine(0, 0, right, 0);
    painter.drawLine(right, 0, right, bottom);
    painter.drawLine(right, bottom, 0, bottom);
    painter.drawLine(0, bottom, 0, 0);
}

}  // namespace dirnal::ui
