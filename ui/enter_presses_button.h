#pragma once

#include <QObject>

namespace dirnal::ui {

// Return and Enter press the button that has the focus, as Space does: Qt
// leaves them to a dialog's default button, and this window has none.
class EnterPressesButton final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace dirnal::ui
