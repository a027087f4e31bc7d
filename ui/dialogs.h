#pragma once

#include <functional>
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

// Hands questions and notices on to other dialogs; before each notice the
// window brings its view up to date, so that a notice about a new list is
// read with that list in view.
class ShowingDialogs final : public Dialogs {
public:
    ShowingDialogs(Dialogs& dialogs, std::function<void()> show) : dialogs_(dialogs), show_(std::move(show)) {}
    bool askYesNo(const std::string& text) override { return dialogs_.askYesNo(text); }
    void inform(const std::string& text) override
    {
        show_();
        dialogs_.inform(text);
    }
    void reportError(const std::string& text) override
    {
        show_();
        dialogs_.reportError(text);
    }

private:
    Dialogs& dialogs_;
    std::function<void()> show_;
};

}  // namespace dirnal::ui
