#pragma once

#include <QObject>

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

class QWidget;

namespace dirnal::ui {

// Keys a widget answers: pressed on it, or on a control inside it that
// leaves them to its parent (as a list leaves Escape, and a button leaves
// Return when it is not a dialog's). Only a press without modifiers counts,
// but for the keypad's.
class KeyActions final : public QObject {
    Q_OBJECT
public:
    // Returns whether it acted: a key it did not act on goes on to the parent.
    using Action = std::function<bool()>;

    // The widget's actions, made on first use; they go with it.
    static KeyActions& of(QWidget* widget);

    KeyActions& on(std::initializer_list<int> keys, Action action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;

    std::vector<std::pair<int, Action>> actions_;
};

}  // namespace dirnal::ui
