#include <QApplication>
#include <QIcon>

#include "platform/file_io.h"
#include "platform/native_services.h"
#include "platform/qt/mounted_drives.h"
#include "platform/qt/qsettings_store.h"
#include "platform/qt/shell_exec.h"
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
    dirnal::NativeServices native(&settings);
    dirnal::ui::Form1 window({
        .session = native.forSession(),
        .drives = {&dirnal::mountedDrives, &dirnal::driveAnswers},
        .openPage = [](const std::string& page) { return dirnal::ShellExec(page, 1, "open"); },
        .initialDirectory = dirnal::workingDirectory(),
    });
    window.show();
    return QApplication::exec();
}
