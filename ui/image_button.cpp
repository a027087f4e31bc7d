#include "ui/image_button.h"

#include <QPainter>

#include <algorithm>

#include "ui/focus_mark.h"

namespace dirnal::ui {

namespace {

// The picture's shape in one colour, drawn one pixel out to every side
// under the picture: a dark picture stays visible on a dark background.
void drawOutline(QPainter& painter, const QPixmap& picture, const QPointF& at, const QColor& colour)
{
    QImage shape = picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter tint(&shape);
    tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
    tint.fillRect(shape.rect(), colour);
    tint.end();
    for (const int dx : {-1, 0, 1})
        for (const int dy : {-1, 0, 1})
            if (dx != 0 || dy != 0)
                painter.drawImage(at + QPointF(dx, dy), shape);
}

}  // namespace

ImageButton::ImageButton(QWidget* parent) : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

QSize ImageButton::sizeHint() const
{
    return {32, 32};
}

void ImageButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int side = std::min(width(), height());
    const QRectF square((width() - side) / 2, (height() - side) / 2, side, side);
    const QIcon::Mode mode = !isEnabled() ? QIcon::Disabled : isDown() ? QIcon::Selected : QIcon::Normal;
    const QPixmap picture = icon().pixmap(QSize(side, side), devicePixelRatioF(), mode);
    const QSizeF size = picture.deviceIndependentSize();
    const QPointF at = square.center() - QPointF(size.width() / 2, size.height() / 2);
    // The window's text colour is the one a theme makes stand out from its
    // background; on a light background the pictures need no outline.
    if (palette().color(QPalette::Window).lightnessF() < 0.5)
        drawOutline(painter, picture, at, palette().color(QPalette::WindowText));
    painter.drawPixmap(at, picture);
    if (hasFocus())
        drawFocusMark(painter, *this);
}

}  // namespace dirnal::ui
