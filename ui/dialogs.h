#pragma once

#include <string>

#include "core/dialogs.h"

class QWidget;

namespace dirnal::ui {

// Message boxes titled "dirnal.lst", without an icon; the standard buttons
// in Qt's own translation.
class MessageBoxDialogs final : public Dialogs {
public:
    explicit MessageBoxDialogs(QWidget* parent) : parent_(parent) {}
    bool askYesNo(const std::string& text) override;
    void inform(const std::string& text) override;
    void reportError(const std::string& text) override;

private:
    QWidget* parent_;
};

}  // namespace dirnal::ui
