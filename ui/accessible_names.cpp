#include "ui/accessible_names.h"

#include <QCoreApplication>

namespace dirnal::ui {

namespace {

struct Row {
    std::string_view control;
    AccessibleText text;
};

// Controls that show no text of their own, or only a symbol or an English
// word, get a German name that says what they do; a name keeps the word
// shown, so that a user who sees it can say it to voice control. Labels
// whose text is a value get a description of what it is.
// `cmd_DOS` is named by the window, as its caption changes. On Linux Qt names
// a drive selector by the drive it shows; its description says what it is.
constexpr Row kTexts[] = {
    {"img_ok", {QT_TRANSLATE_NOOP("AccessibleNames", "Der angewählte Pfad existiert")}},
    {"img_pathnotvalid", {QT_TRANSLATE_NOOP("AccessibleNames", "Der angewählte Pfad existiert nicht")}},
    {"List1", {QT_TRANSLATE_NOOP("AccessibleNames", "Verzeichnisliste")}},
    {"Frame3", {QT_TRANSLATE_NOOP("AccessibleNames", "Werkzeuge")}},
    {"lbl_suchstartpos", {nullptr, QT_TRANSLATE_NOOP("AccessibleNames", "Startposition")}},
    {"txt_einzelpfad", {QT_TRANSLATE_NOOP("AccessibleNames", "Einzelner Pfad")}},
    {"img_putin", {QT_TRANSLATE_NOOP("AccessibleNames", "Pfad hinzufügen")}},
    {"cmd_del", {QT_TRANSLATE_NOOP("AccessibleNames", "Ausgewählte Pfade löschen")}},
    {"cmd_vista", {QT_TRANSLATE_NOOP("AccessibleNames", "Anführungszeichen setzen oder entfernen")}},
    {"cmd_DirtoUNC", {QT_TRANSLATE_NOOP("AccessibleNames", "UNC: Laufwerksbuchstaben in Netzwerkpfade umwandeln")}},
    {"cmd_UNCtoDir", {QT_TRANSLATE_NOOP("AccessibleNames", "no UNC: Netzwerkpfade in Laufwerksbuchstaben umwandeln")}},
    {"cmd_selshow", {QT_TRANSLATE_NOOP("AccessibleNames", "select: Suche einblenden")}},
    {"img_Exit", {QT_TRANSLATE_NOOP("AccessibleNames", "Programm beenden")}},
    {"lblStatus", {nullptr, QT_TRANSLATE_NOOP("AccessibleNames", "Statuszeile")}},
    {"lblnumber", {nullptr, QT_TRANSLATE_NOOP("AccessibleNames", "Nummer des angewählten Eintrags")}},
    {"lbl_file", {nullptr, QT_TRANSLATE_NOOP("AccessibleNames", "Speicherort der dirnal.lst")}},
    {"cmd_deletethis", {QT_TRANSLATE_NOOP("AccessibleNames", "selection: Pfade auswählen, die den Suchtext enthalten")}},
    {"Drive1", {QT_TRANSLATE_NOOP("AccessibleNames", "Laufwerk der Startposition"),
                QT_TRANSLATE_NOOP("AccessibleNames", "Laufwerk der Startposition")}},
    {"Dir1", {QT_TRANSLATE_NOOP("AccessibleNames", "Verzeichnisse der Startposition")}},
    {"cmd_okstartpos", {QT_TRANSLATE_NOOP("AccessibleNames", "ok: als Startposition übernehmen")}},
    {"lbl_exitstart", {QT_TRANSLATE_NOOP("AccessibleNames", "Startposition schließen")}},
    {"lbl_X", {QT_TRANSLATE_NOOP("AccessibleNames", "Dateiauswahl schließen")}},
    {"Drive_file", {QT_TRANSLATE_NOOP("AccessibleNames", "Laufwerk der dirnal.lst"),
                    QT_TRANSLATE_NOOP("AccessibleNames", "Laufwerk der dirnal.lst")}},
    {"Dir_file", {QT_TRANSLATE_NOOP("AccessibleNames", "Verzeichnisse der dirnal.lst")}},
    {"File_file", {QT_TRANSLATE_NOOP("AccessibleNames", "Datei dirnal.lst")}},
};

}  // namespace

QString nameFormButtonName(bool toShort)
{
    return QCoreApplication::translate("AccessibleNames", toShort
                                                              ? QT_TRANSLATE_NOOP("AccessibleNames", "DOS: Pfade in kurze 8.3-Namen umwandeln")
                                                              : QT_TRANSLATE_NOOP("AccessibleNames", "WIN: Pfade in lange Namen umwandeln"));
}

AccessibleText accessibleTextOf(std::string_view control)
{
    for (const Row& row : kTexts)
        if (row.control == control)
            return row.text;
    return {};
}

}  // namespace dirnal::ui
