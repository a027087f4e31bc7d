#include "ui/form1_layout.h"

#include <QtGlobal>

namespace dirnal::ui {

namespace {

using K = ControlKind;

constexpr ControlRow kControls[] = {
    // name, parent, kind, caption, tooltip, left, top, width, height, visible, text, back
    {"img_ok", "", K::StatusImage, "", "ok", 240, 0, 495, 510, false},
    {"img_pathnotvalid", "", K::StatusImage, "", QT_TRANSLATE_NOOP("Form1", "Der angewählte Pfad existiert nicht !"), 180, 0, 480, 480, false},
    {"lbl_okornot", "", K::Label, "dirnal.lst Manager", "", 180, 480, 2655, 315, true, 0x808080, kNoColour,
     ControlFont::TitleSerif},
    {"Frame1", "", K::GroupFrame, "Generator", "", 3000, 0, 4335, 795, true},
    {"List1", "", K::PathList, "", "", 180, 840, 7155, 3180, true},
    {"Frame3", "", K::Area, "", "", 120, 3960, 10335, 1695, true},
    {"frame_start", "", K::StartPanel, QT_TRANSLATE_NOOP("Form1", "Startposition"), "", 3000, 720, 2475, 3495, false, kNoColour, 0xC0C0C0},
    {"Dateiauswahl", "", K::ListFilePanel, QT_TRANSLATE_NOOP("Form1", "Dateiauswahl"), "", 0, 0, 2895, 3255, false, kNoColour, 0xC0C0C0},

    {"lbl_suchstartpos", "Frame1", K::BorderLabel, "", "", 60, 180, 4215, 255, true},
    {"cmd_startpos", "Frame1", K::Button, QT_TRANSLATE_NOOP("Form1", "1. Startposition einstellen"), "", 60, 480, 1995, 255, true},
    {"Command1", "Frame1", K::Button, QT_TRANSLATE_NOOP("Form1", "2. Liste erstellen"), QT_TRANSLATE_NOOP("Form1", "Listenerstellung starten"), 2220, 480, 2055, 255, true},

    {"txt_einzelpfad", "Frame3", K::TextBox, "", "", 60, 120, 6855, 285, false, kNoColour, kSinglePathBackground},
    {"cmd_einzel", "Frame3", K::Button, QT_TRANSLATE_NOOP("Form1", "Einzeln hinzufügen / bearbeiten"), "", 0, 540, 1455, 495, true},
    {"img_putin", "Frame3", K::ImageButton, "", "", 6900, 0, 495, 510, false},
    {"cmd_del", "Frame3", K::ImageButton, "", "delete this one", 1560, 600, 360, 360, true},
    {"cmd_DOS", "Frame3", K::Button, "DOS", "", 2040, 480, 495, 255, true, kNoColour, kNoColour, ControlFont::SmallSerif},
    {"cmd_vista", "Frame3", K::ImageButton, "", "", 2040, 840, 285, 180, true},
    {"cmd_rel", "Frame3", K::Button, QT_TRANSLATE_NOOP("Form1", "relativ zur Startposition"), "", 2580, 480, 1815, 255, true},
    {"cmd_DirtoUNC", "Frame3", K::Button, "UNC", "", 2400, 780, 555, 255, true, kNoColour, kNoColour, ControlFont::SmallSerif},
    {"cmd_UNCtoDir", "Frame3", K::Button, "no UNC", "", 3000, 780, 675, 255, true, kNoColour, kNoColour, ControlFont::SmallSerif},
    {"cmd_selshow", "Frame3", K::Button, "select", "", 3720, 780, 675, 255, true},
    {"cmd_saveplace", "Frame3", K::Button, QT_TRANSLATE_NOOP("Form1", "dirnal.lst Speicherort"), "", 4500, 540, 1755, 495, true},
    {"img_save", "Frame3", K::ImageButton, "", QT_TRANSLATE_NOOP("Form1", "Speichern"), 6300, 540, 465, 435, true},
    {"img_Exit", "Frame3", K::ImageButton, "", "EXIT", 6840, 540, 480, 480, true},
    {"lblStatus", "Frame3", K::BorderLabel, "Status", "", 0, 1080, 1575, 255, true},
    {"lblnumber", "Frame3", K::BorderLabel, "", "", 1620, 1080, 735, 255, true},
    {"lbl_file", "Frame3", K::BorderLabel, "", "", 2400, 1080, 4935, 255, true},
    {"Label4", "Frame3", K::Label, "", "", 0, 1380, 7395, 255, false, kNoColour, 0xFFFFC0},
    {"Label2", "Frame3", K::Label, QT_TRANSLATE_NOOP("Form1", "Pfade die diesen Namen enthalten selektieren:"), "", 7680, 120, 2055, 435, true},
    {"txt_find", "Frame3", K::TextBox, "", "", 7680, 540, 2415, 315, true},
    {"cmd_deletethis", "Frame3", K::Button, "selection", "", 7680, 900, 2415, 315, true},

    {"Drive1", "frame_start", K::DriveList, "", "", 120, 120, 2055, 315, true},
    {"Label1", "frame_start", K::Label, QT_TRANSLATE_NOOP("Form1", "Startposition für Generierung"), "", 120, 480, 2115, 195, true, 0x404040},
    {"Dir1", "frame_start", K::DirList, "",
     QT_TRANSLATE_NOOP("Form1", "Wählen Sie hier das Haupt-Verzeichnis deren Unterverzeichnisse in die Datei dirnal.lst eingetragen werden sollen !"),
     120, 720, 2055, 2340, true},
    {"cmd_okstartpos", "frame_start", K::Button, "ok", "", 120, 3120, 2055, 315, true},
    {"lbl_exitstart", "frame_start", K::CloseBox, "X", "", 2160, 120, 255, 255, true},

    {"Label5", "Dateiauswahl", K::Label, " dirnal.lst Browser ", "", 480, 0, 1755, 255, true},
    {"lbl_X", "Dateiauswahl", K::CloseBox, "X", "", 2640, 0, 255, 255, true},
    {"Drive_file", "Dateiauswahl", K::DriveList, "", "", 120, 360, 2655, 315, true},
    {"Dir_file", "Dateiauswahl", K::DirList, "", "", 120, 720, 2655, 2115, true},
    {"File_file", "Dateiauswahl", K::FileList, "dirnal.lst", "", 120, 2880, 2655, 285, true},
    {"cmd_hier", "Dateiauswahl", K::Button, QT_TRANSLATE_NOOP("Form1", "speichern"), "", 300, 2880, 2235, 255, false},
};

}  // namespace

std::span<const ControlRow> form1Controls()
{
    return kControls;
}

}  // namespace dirnal::ui
