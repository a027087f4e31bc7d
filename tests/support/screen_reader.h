// What a screen reader hears. Qt tells of changes only while one listens, never on the offscreen platform; so this
// switches its accessibility on, as Qt's own tests do, and records each change of a name with the name it then had,
// each notification shown with its name, and where the focus was said to go last.
#pragma once

#include <QAccessible>
#include <QAction>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace dirnal::testing {

class ScreenReader {
public:
    ScreenReader() { listen(true); }
    ~ScreenReader() { listen(false); }
    static QString nameOf(QObject* control) { return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name); }
    // A menu item's name, as its menu tells it.
    static QString nameOf(QAction* item)
    {
        for (QObject* menu : item->associatedObjects()) {
            QAccessibleInterface* items = QAccessible::queryAccessibleInterface(menu);
            for (int n = 0; n < items->childCount(); ++n)
                if (items->child(n)->object() == item)
                    return items->child(n)->text(QAccessible::Name);
        }
        return {};
    }
    // The control the last focus event named (for a list, also when it named one of its entries).
    static QObject* focused() { return lastFocus(); }
    bool heard(QObject* control, const QString& name) const { return std::ranges::count(said(), Said{control, name}); }
    // How often a notification with this name was shown inside the control.
    long long announced(QObject* control, const QString& name) const
    {
        return std::ranges::count_if(said(), [&](const Said& it) {
            return it.notification && it.object->parent() == control && it.name == name;
        });
    }

private:
    struct Said {
        QObject* object;
        QString name;
        bool notification = false;
        bool operator==(const Said&) const = default;
    };
    static std::vector<Said>& said()
    {
        static std::vector<Said> names;
        return names;
    }
    static QObject*& lastFocus()
    {
        static QObject* focus = nullptr;
        return focus;
    }
    static void listen(bool on)
    {
        said().clear();
        lastFocus() = nullptr;
        QAccessible::installUpdateHandler(on ? +[](QAccessibleEvent* event) {
            if (event->type() == QAccessible::Focus)
                lastFocus() = event->object();
            QAccessibleInterface* control = event->accessibleInterface();
            if (event->type() == QAccessible::NameChanged && control)
                said().push_back({event->object(), control->text(QAccessible::Name)});
            if (event->type() == QAccessible::ObjectShow && control && control->role() == QAccessible::Notification)
                said().push_back({event->object(), control->text(QAccessible::Name), true});
        } : nullptr);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(on);
    }
};

// What a screen reader does to press a button: no input event.
inline void pressAsAScreenReader(QObject* button)
{
    QAccessible::queryAccessibleInterface(button)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

}  // namespace dirnal::testing
