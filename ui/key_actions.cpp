#include "ui/key_actions.h"

#include <QKeyEvent>
#include <QWidget>

namespace dirnal::ui {

KeyActions& KeyActions::of(QWidget* widget)
{
    if (auto* existing = widget->findChild<KeyActions*>(QString(), Qt::FindDirectChildrenOnly))
        return *existing;
    auto* actions = new KeyActions(widget);
    widget->installEventFilter(actions);
    return *actions;
}

KeyActions& KeyActions::on(std::initializer_list<int> keys, Action action)
{
    for (const int key : keys)
        actions_.emplace_back(key, action);
    return *this;
}

bool KeyActions::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    for (const auto& [code, action] : actions_)
        if (code == key->key())
            return action();
    return false;
}

}  // namespace dirnal::ui
