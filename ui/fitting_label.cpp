#include "ui/fitting_label.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace dirnal::ui {

namespace {
// Small enough a step that the text takes the largest size that fits.
constexpr qreal kPointSizeStep = 0.25;
}  // namespace

FittingLabel::FittingLabel(QWidget* parent) : QLabel(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fit();
}

void FittingLabel::setElideMode(Qt::TextElideMode mode)
{
    elideMode_ = mode;
    fit();
    update();
}

void FittingLabel::setText(const QString& text)
{
    QLabel::setText(text);
    fit();
}

QRect FittingLabel::textArea() const
{
    return contentsRect().adjusted(1, 0, -1, 0);
}

void FittingLabel::fit()
{
    const QString whole = text();
    const int room = textArea().width();
    QFont font = this->font();
    for (qreal size = font.pointSizeF(); size > kSmallestPointSize;) {
        if (QFontMetrics(font).horizontalAdvance(whole) <= room)
            break;
        size = std::max(size - kPointSizeStep, kSmallestPointSize);
        font.setPointSizeF(size);
    }
    shownFont_ = font;
    shownText_ = QFontMetrics(font).elidedText(whole, elideMode_, room);
    fittedText_ = whole;
    setToolTip(shownText_ == whole ? QString() : whole);
}

void FittingLabel::paintEvent(QPaintEvent*)
{
    // Fitted again in case the text was set through QLabel.
    if (fittedText_ != text())
        fit();
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(shownFont_);
    style()->drawItemText(&painter, textArea(), static_cast<int>(alignment()), palette(), isEnabled(), shownText_,
                          foregroundRole());
}

void FittingLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    fit();
}

void FittingLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fit();
}

}  // namespace dirnal::ui
