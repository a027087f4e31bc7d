#include "ui/enter_presses_button.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace dirnal::ui {

bool EnterPressesButton::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* button = qobject_cast<QAbstractButton*>(watched);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!button || !enter || (key->modifiers() & ~Qt::KeypadModifier))
        return false;
    // Held down, the key presses once.
    if (!key->isAutoRepeat())
        button->click();
    return true;
}

}  // namespace dirnal::ui
