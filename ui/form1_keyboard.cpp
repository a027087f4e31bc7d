// The main window for the keyboard: the order in which Tab goes through the
// controls, and which controls it passes over.
#include "ui/form1.h"

namespace dirnal::ui {

namespace {

// The order of the work: the list, the generator (with the panel that its
// first button opens), the tool area from left to right (with the panel
// that "dirnal.lst Speicherort" opens), and the save and exit images last.
constexpr const char* kTabOrder[] = {
    "List1",
    "cmd_startpos", "Drive1", "Dir1", "cmd_okstartpos", "lbl_exitstart", "Command1",
    "cmd_einzel", "txt_einzelpfad", "img_putin", "cmd_del", "cmd_DOS", "cmd_vista", "cmd_DirtoUNC", "cmd_rel",
    "cmd_UNCtoDir", "cmd_selshow", "cmd_saveplace", "Drive_file", "Dir_file", "File_file", "cmd_hier", "lbl_X",
    "txt_find", "cmd_deletethis",
    "img_save", "img_Exit",
};

}  // namespace

void Form1::orderTabs()
{
    QWidget* previous = nullptr;
    for (const char* name : kTabOrder) {
        QWidget* next = control<QWidget>(name);
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
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
