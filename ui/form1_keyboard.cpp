// The main window for the keyboard: which controls Tab passes over (its
// order is the layout table's), the focus when a control gives way, and
// the keys beyond the menus' shortcuts.
#include <QLineEdit>
#include <QMenuBar>
#include <QShortcut>

#include <utility>

#include "ui/form1.h"
#include "ui/key_actions.h"
#include "ui/list_file_panel.h"
#include "ui/outline_panel.h"
#include "ui/start_position_panel.h"

namespace dirnal::ui {

void Form1::connectKeys()
{
    cancelWalk_ = new QShortcut(QKeySequence(Qt::Key_Escape), this, [this] { session_->cancelWalk(); });
    cancelWalk_->setEnabled(false);
    // F10 opens the menu bar, as Windows has it.
    new QShortcut(QKeySequence(Qt::Key_F10), this,
                  [this] { menuBar()->setActiveAction(menuBar()->actions().value(0)); });
    KeyActions::of(ui_.txt_einzelpfad)
        .on({Qt::Key_Return, Qt::Key_Enter},
            [this] {
                confirmSinglePath();
                return true;
            })
        .on({Qt::Key_Escape}, [this] {
            leaveEditMode();
            return true;
        });
    // Escape from anywhere in the window, when no control took it.
    KeyActions::of(this).on({Qt::Key_Escape}, [this] { return closeTopPanel(); });
}

bool Form1::closeTopPanel()
{
    // Of two open panels, the one opened last lies on top: it comes later
    // among the client area's children.
    const std::pair<QWidget*, FolderPanel*> panels[] = {{ui_.frame_start, startPanel_},
                                                        {ui_.Dateiauswahl, listFilePanel_}};
    const QObjectList& layers = ui_.client->children();
    for (auto layer = layers.crbegin(); layer != layers.crend(); ++layer)
        for (const auto& [frame, panel] : panels)
            if (*layer == frame && !frame->isHidden()) {
                panel->hide();
                return true;
            }
    return false;
}

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
