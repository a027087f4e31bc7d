#include <QApplication>
#include <QIcon>

#include "platform/file_io.h"
#include "platform/native_directory_lister.h"
#include "platform/qt/mounted_drives.h"
#include "platform/qt/qsettings_store.h"
#include "ui/form1.h"
#include "ui/translations.h"

int main(int argc, char* argv[])
{
    dirnal::ignoreFileSizeSignal();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("dirnal-lst-manager"));
    QApplication::setApplicationVersion(QStringLiteral(DIRNAL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("example.dirnal_lst.Manager"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("example.dirnal_lst.Manager")));

    dirnal::ui::installTranslations(app);

    dirnal::QSettingsStore settings;
    dirnal::NativeDirectoryLister lister;
    dirnal::ui::Form1Services services;
    services.settings = &settings;
    services.lister = &lister;
    services.drives = &dirnal::mountedDrives;
    dirnal::ui::Form1 window(services);
    window.show();
    return QApplication::exec();
}
