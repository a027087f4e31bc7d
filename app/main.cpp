#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform/file_io.h"
#include "platform/native_directory_lister.h"
#include "platform/qt/mounted_drives.h"
#include "platform/qt/qsettings_store.h"
#include "ui/form1.h"

int main(int argc, char* argv[])
{
    dirnal::ignoreFileSizeSignal();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("dirnal-lst-manager"));
    QApplication::setApplicationVersion(QStringLiteral(DIRNAL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("example.dirnal_lst.Manager"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("example.dirnal_lst.Manager")));

    // Standard buttons (Yes, No, OK) in the system's language: from Qt's
    // translations where Qt is installed (Linux), else from those built
    // into the program (the static Windows build).
    QTranslator qtTranslations;
    if (qtTranslations.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        qtTranslations.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"), QStringLiteral(":/translations")))
        QApplication::installTranslator(&qtTranslations);

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
