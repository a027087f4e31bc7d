#include "ui/status_line.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <utility>

namespace dirnal::ui {

namespace {

class StatusBarAccessible final : public QAccessibleWidget {
public:
    explicit StatusBarAccessible(StatusLine* line) : QAccessibleWidget(line, QAccessible::StatusBar) {}
    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const StatusLine*>(widget())->text();
        return QAccessibleWidget::text(which);
    }
};

// The announcing child, told apart from other plain widgets by its name.
const QString kAnnouncement = QStringLiteral("statusAnnouncement");

QAccessibleInterface* accessibleOf(const QString& className, QObject* object)
{
    if (className == QLatin1String(StatusLine::staticMetaObject.className()))
        return new StatusBarAccessible(static_cast<StatusLine*>(object));
    if (className == QLatin1String("QWidget") && object->objectName() == kAnnouncement &&
        qobject_cast<StatusLine*>(object->parent()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

}  // namespace

StatusLine::StatusLine(QWidget* parent) : FittingLabel(parent), announcement_(new QWidget(this))
{
    static const bool installed = (QAccessible::installFactory(&accessibleOf), true);
    (void)installed;
    announcement_->setObjectName(kAnnouncement);
    // A point that draws nothing and lets the mouse through to the line.
    announcement_->setGeometry(0, 0, 1, 1);
    announcement_->setAttribute(Qt::WA_TransparentForMouseEvents);
    announcement_->hide();
}

void StatusLine::setText(const QString& text)
{
    FittingLabel::setText(text);
    if (!isVisible())
        return;  // not yet on screen: nothing to tell
    // Announced once the window has dealt with the event that set it: a
    // command ends by enabling the whole window again and giving back the
    // focus, and Orca drops a notification that arrives amid that flood.
    // Texts set meanwhile are announced as the last of them; the same text
    // set again is announced again, as the status of another command.
    if (!std::exchange(announcing_, true))
        QMetaObject::invokeMethod(this, &StatusLine::announce, Qt::QueuedConnection);
}

void StatusLine::announce()
{
    announcing_ = false;
    // Shown anew, so that it is announced again.
    announcement_->hide();
    announcement_->setAccessibleName(text());
    announcement_->show();
}

}  // namespace dirnal::ui
