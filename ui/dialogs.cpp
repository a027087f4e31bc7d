#include "ui/dialogs.h"

#include <QMessageBox>

namespace dirnal::ui {

namespace {
const QString kTitle = QStringLiteral("dirnal.lst");
}

bool MessageBoxDialogs::askYesNo(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, kTitle, QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No,
                    parent_);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void MessageBoxDialogs::inform(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, kTitle, QString::fromStdString(text), QMessageBox::Ok, parent_);
    box.exec();
}

void MessageBoxDialogs::reportError(const std::string& text)
{
    QMessageBox box(QMessageBox::Warning, kTitle, QString::fromStdString(text), QMessageBox::Ok, parent_);
    box.exec();
}

}  // namespace dirnal::ui
