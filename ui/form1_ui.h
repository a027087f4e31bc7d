#pragma once

#include <array>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QWidget;

namespace dirnal::ui {

class CaptionButton;
class CloseBox;
class DirectoryList;
class DriveSelector;
class FileList;
class FittingLabel;
class StatusLine;
class ImageButton;
class OutlinePanel;
class PathListView;
class StatusImage;

// The main window's controls and menu items, each under its name (which is
// also its objectName, as tests and a user's tools find it). buildForm1()
// makes them from one table that gives each its place, caption, tooltip,
// accessible name and place in the Tab order.
struct Form1Ui {
    QWidget* client = nullptr;  // the window's client area, below the menu bar

    StatusImage* img_ok = nullptr;
    StatusImage* img_pathnotvalid = nullptr;
    QLabel* lbl_okornot = nullptr;
    QGroupBox* Frame1 = nullptr;
    PathListView* List1 = nullptr;
    QWidget* Frame3 = nullptr;
    OutlinePanel* frame_start = nullptr;
    OutlinePanel* Dateiauswahl = nullptr;

    // Frame1, the generator
    FittingLabel* lbl_suchstartpos = nullptr;
    CaptionButton* cmd_startpos = nullptr;
    CaptionButton* Command1 = nullptr;

    // Frame3, the tool area
    QLineEdit* txt_einzelpfad = nullptr;
    CaptionButton* cmd_einzel = nullptr;
    ImageButton* img_putin = nullptr;
    ImageButton* cmd_del = nullptr;
    CaptionButton* cmd_DOS = nullptr;
    ImageButton* cmd_vista = nullptr;
    CaptionButton* cmd_rel = nullptr;
    CaptionButton* cmd_DirtoUNC = nullptr;
    CaptionButton* cmd_UNCtoDir = nullptr;
    CaptionButton* cmd_selshow = nullptr;
    CaptionButton* cmd_saveplace = nullptr;
    ImageButton* img_save = nullptr;
    ImageButton* img_Exit = nullptr;
    StatusLine* lblStatus = nullptr;
    FittingLabel* lblnumber = nullptr;
    FittingLabel* lbl_file = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txt_find = nullptr;
    CaptionButton* cmd_deletethis = nullptr;

    // frame_start, the start-position panel
    DriveSelector* Drive1 = nullptr;
    QLabel* Label1 = nullptr;
    DirectoryList* Dir1 = nullptr;
    CaptionButton* cmd_okstartpos = nullptr;
    CloseBox* lbl_exitstart = nullptr;

    // Dateiauswahl, the list-file panel
    QLabel* Label5 = nullptr;
    CloseBox* lbl_X = nullptr;
    DriveSelector* Drive_file = nullptr;
    DirectoryList* Dir_file = nullptr;
    FileList* File_file = nullptr;
    CaptionButton* cmd_hier = nullptr;

    // The menus: "Datei" and "Optionen", their items by index, and "INFO".
    std::array<QAction*, 4> dateis{};
    std::array<QAction*, 8> optionens{};
    QAction* info = nullptr;
};

// Builds the controls and menus into the window, in its font, with the Tab
// order of the table; Return and Enter press every button.
Form1Ui buildForm1(QMainWindow& window);

// The height of the window's designed client area, in twips.
inline constexpr int kDesignHeightTwips = 5385;
inline constexpr int kStartWidthTwips = 7620;
// Wide enough to show the find area at the right of the tool area.
inline constexpr int kFindAreaWidthTwips = 10560;

}  // namespace dirnal::ui
