#include "ui/status_line.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "ui/announcement.h"

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

QAccessibleInterface* accessibleOf(const QString& className, QObject* object)
{
    if (className == QLatin1String(StatusLine::staticMetaObject.className()))
        return new StatusBarAccessible(static_cast<StatusLine*>(object));
    return nullptr;
}

}  // namespace

StatusLine::StatusLine(QWidget* parent) : FittingLabel(parent), announcement_(new Announcement(this))
{
    static const bool installed = (QAccessible::installFactory(&accessibleOf), true);
    (void)installed;
    announcement_->setObjectName(QStringLiteral("statusAnnouncement"));
}

void StatusLine::setText(const QString& text)
{
    FittingLabel::setText(text);
    if (isVisible())  // not yet on screen: nothing to tell
        announcement_->announce(text);
}

}  // namespace dirnal::ui
