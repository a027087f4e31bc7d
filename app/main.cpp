#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <optional>
#include <string_view>

#include "platform/documentation.h"
#include "platform/file_io.h"
#include "platform/native_services.h"
#include "platform/qt/mounted_drives.h"
#include "platform/qt/qsettings_store.h"
#include "platform/qt/shell_exec.h"
#include "ui/form1.h"
#include "ui/translations.h"

namespace {

constexpr const char* kHelp = R"(Aufruf: dirnal-lst-manager [OPTION]

Startet das Fenster des dirnal.lst Managers. Er trägt jedes Verzeichnis unter
einer Startposition, Ebene für Ebene, in die Liste dirnal.lst ein, in der ein
CAD-System nach seinen Dateien sucht; die Liste lässt sich nach Suchtext
kürzen, um einzelne Pfade ergänzen, umwandeln, lesen und speichern. Seine
Ordner merkt sich das Fenster je Benutzer, unter Linux in
~/.config/dirnal_lst_generator/dirnal_lst_generator.conf.

Optionen:
  -h, --help            diese Hilfe
  -V, --version         die Version

Dieselbe Liste auf der Kommandozeile: dirnal-lst --help.
)";

// The help and the version need no display.
std::optional<int> answerWithoutWindow(int argc, char* argv[])
{
    if (argc != 2)
        return std::nullopt;
    const std::string_view argument = argv[1];
    if (argument == "-h" || argument == "--help")
        std::fputs(kHelp, stdout);
    else if (argument == "-V" || argument == "--version")
        std::fputs("dirnal-lst-manager " DIRNAL_VERSION "\n", stdout);
    else
        return std::nullopt;
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (const auto answered = answerWithoutWindow(argc, argv))
        return *answered;
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
#ifdef _WIN32
        .drives = {&dirnal::mountedDrives, {}},  // every drive letter, ready or not
#else
        .drives = {&dirnal::mountedDrives, &dirnal::driveAnswers},
#endif
        .openPage = [](const std::string& page) { return dirnal::ShellExec(page, 1, "open"); },
        .documentationPage = dirnal::documentationPage(),
        .initialDirectory = dirnal::workingDirectory(),
    });
    window.show();
    return QApplication::exec();
}
