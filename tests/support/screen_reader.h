// What a screen reader hears. Qt tells of changes only while one listens, never on the offscreen platform; so this
// switches its accessibility on, as Qt's own tests do, and records each change of a name with the name it then had.
#pragma once

#include <QAccessible>
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
    bool heard(QObject* control, const QString& name) const { return std::ranges::count(said(), std::pair(control, name)); }

private:
    static std::vector<std::pair<QObject*, QString>>& said()
    {
        static std::vector<std::pair<QObject*, QString>> names;
        return names;
    }
    static void listen(bool on)
    {
        said().clear();
        QAccessible::installUpdateHandler(on ? +[](QAccessibleEvent* event) {
            if (event->type() == QAccessible::NameChanged && event->accessibleInterface())
                said().emplace_back(event->object(), event->accessibleInterface()->text(QAccessible::Name));
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
