// The main window's size: the start size, and the resize rule that fits
// the path list and the tool area to the window.
#include <QEvent>
#include <QMenuBar>

#include <cmath>

#include "ui/form1.h"
#include "ui/path_list_view.h"
#include "ui/resize_rule.h"
#include "ui/twips.h"

namespace dirnal::ui {

void Form1::setStartSize()
{
    // The designed client area below the menu bar, 7620 twips wide outside.
    const int frameHeight = frameGeometry().height() - height();
    setOuterSize(kStartWidthTwips,
                 pixelsToTwips(twipsToPixels(kDesignHeightTwips) + menuBar()->sizeHint().height() + frameHeight));
    // A hidden window gets its resize event only when shown.
    applyResizeRule();
}

void Form1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Only now is the window frame known, and the start width is the width
    // outside it.
    if (!shownBefore_) {
        shownBefore_ = true;
        setStartSize();
    }
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    applyResizeRule();
}

void Form1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        applyResizeRule();
}

void Form1::setOuterSize(double widthTwips, double heightTwips)
{
    // The rule reads the outer size; the frame is what lies around the
    // widget's own geometry. Round up so that the result is not below the
    // size asked for.
    const int frameWidth = frameGeometry().width() - width();
    const int frameHeight = frameGeometry().height() - height();
    resize(static_cast<int>(std::ceil(widthTwips / kTwipsPerPixel)) - frameWidth,
           static_cast<int>(std::ceil(heightTwips / kTwipsPerPixel)) - frameHeight);
}

void Form1::applyResizeRule()
{
    if (isMinimized() || isMaximized())
        return;
    const auto outerLayout = [this] {
        return resizeLayout(pixelsToTwips(frameGeometry().width()), pixelsToTwips(frameGeometry().height()));
    };
    ResizeLayout layout = outerLayout();
    if (layout.windowWidth != pixelsToTwips(frameGeometry().width()) ||
        layout.windowHeight != pixelsToTwips(frameGeometry().height())) {
        setOuterSize(layout.windowWidth, layout.windowHeight);
        // Lay out for the size the window really took (whole pixels).
        layout = outerLayout();
    }

    ui_.List1->resize(twipsToPixels(layout.listWidth), twipsToPixels(layout.listHeight));
    ui_.Frame3->move(ui_.Frame3->x(), twipsToPixels(layout.toolAreaTop));
}

}  // namespace dirnal::ui
