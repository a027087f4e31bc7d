#include "ui/announcement.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>

namespace dirnal::ui {

namespace {

QAccessibleInterface* accessibleOf(const QString& className, QObject* object)
{
    if (className == QLatin1String(Announcement::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

// Long enough for Orca to work through the events of a command's end.
constexpr int kSettleMilliseconds = 400;

}  // namespace

Announcement::Announcement(QWidget* parent) : QWidget(parent), settle_(new QTimer(this))
{
    settle_->setSingleShot(true);
    settle_->setInterval(kSettleMilliseconds);
    connect(settle_, &QTimer::timeout, this, &Announcement::showText);
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
    if (!settle_->isActive())
        settle_->start();
}

void Announcement::waitForTheWindow()
{
    if (settle_->isActive())
        settle_->start();
}

void Announcement::showText()
{
    // Shown anew, so that it is announced again.
    hide();
    setAccessibleName(text_);
    show();
}

}  // namespace dirnal::ui
