#pragma once

#include <QString>

class QWidget;

namespace dirnal::ui {

// Questions and notices of the window. The product shows message boxes;
// tests answer with a script and read what was asked.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Yes and No, Yes first and default. True when the answer is Yes.
    virtual bool askYesNo(const QString& text) = 0;
    // A notice with the OK button alone.
    virtual void inform(const QString& text) = 0;
    // A failure the user must know about, with the OK button alone.
    virtual void reportError(const QString& text) = 0;
};

// Message boxes titled "dirnal.lst", without an icon.
class MessageBoxDialogs final : public Dialogs {
public:
    explicit MessageBoxDialogs(QWidget* parent) : parent_(parent) {}
    bool askYesNo(const QString& text) override;
    void inform(const QString& text) override;
    void reportError(const QString& text) override;

private:
    QWidget* parent_;
};

}  // namespace dirnal::ui
