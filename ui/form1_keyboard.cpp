// The main window for the keyboard: which controls Tab passes over (its
// order is the layout table's), and the focus when a control gives way.
#include "ui/form1.h"

namespace dirnal::ui {

bool Form1::takesTabFocus(const QWidget* widget) const
{
    if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isEnabled() || !widget->isVisibleTo(this) ||
        widget->focusProxy() || widget->window() != this)
        return false;
    // Nor does a control that lies outside the window's width, as the find
    // area does until "select" widens the window.
    const QWidget* client = centralWidget();
    return client->rect().contains(QRect(widget->mapTo(client, QPoint(0, 0)), widget->size()));
}

bool Form1::focusNextPrevChild(bool next)
{
    QWidget* const from = focusWidget();
    if (!from)
        return QMainWindow::focusNextPrevChild(next);
    const auto step = [next](QWidget* widget) {
        return next ? widget->nextInFocusChain() : widget->previousInFocusChain();
    };
    for (QWidget* widget = step(from); widget && widget != from; widget = step(widget)) {
        if (takesTabFocus(widget)) {
            widget->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void Form1::handOverFocus(QWidget* hidden, QWidget* shown)
{
    const bool focused = focusWidget() == hidden;
    shown->show();
    if (focused)
        shown->setFocus(Qt::OtherFocusReason);
    hidden->hide();
}

}  // namespace dirnal::ui
