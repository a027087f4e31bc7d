#include "ui/announcement.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <utility>

namespace dirnal::ui {

namespace {

QAccessibleInterface* accessibleOf(const QString& className, QObject* object)
{
    if (className == QLatin1String(Announcement::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

}  // namespace

Announcement::Announcement(QWidget* parent) : QWidget(parent)
{
    static const bool installed = (QAccessible::installFactory(&accessibleOf), true);
    (void)installed;
    // A point that draws nothing and lets the mouse through.
    setGeometry(0, 0, 1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Announcement::announce(const QString& text)
{
    text_ = text;
    if (!std::exchange(pending_, true))
        QMetaObject::invokeMethod(this, &Announcement::showText, Qt::QueuedConnection);
}

void Announcement::showText()
{
    pending_ = false;
    // Shown anew, so that it is announced again.
    hide();
    setAccessibleName(text_);
    show();
}

}  // namespace dirnal::ui
