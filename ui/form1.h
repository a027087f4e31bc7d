#pragma once

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <string>

#include "core/directory_lister.h"
#include "core/generator.h"
#include "core/path_conversions.h"
#include "core/path_list.h"
#include "platform/module1.h"
#include "platform/settings_store.h"
#include "ui/drive_selector.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace dirnal::ui {

class Dialogs;
class DirectoryList;
class FileList;
class ImageButton;
class PathListView;

// What the main window takes from outside; tests hand in fakes.
struct Form1Services {
    SettingsStore* settings = nullptr;
    const DirectoryLister* lister = nullptr;
    DriveSelector::DriveSource drives;
    Dialogs* dialogs = nullptr;        // null: message boxes
    std::string initialDirectory;      // empty: the working directory
    const DriveTable* driveTable = nullptr;  // null: the platform's drives and shares
    PathConverter shortName;           // empty: the platform's short names
    PathConverter longName;            // empty: the platform's long names
    std::function<bool(const std::string&)> openPage;  // empty: the default browser
};

// The main window "dirnal.lst-Manager". It owns its controls and the path
// list; every control's objectName is its name in the layout table.
class Form1 final : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(Form1Services services, QWidget* parent = nullptr);
    ~Form1() override;

    PathList& pathList() { return list_; }
    // Shows the path list again after it was changed from outside.
    void showPathList();

    // Writes the path list to the storage location and reports it. False
    // when it could not be written; then nothing has changed.
    bool Speichern();

    // The start position and the storage location of the list file, shown
    // in their labels and kept here byte for byte (paths need not be UTF-8).
    const std::string& startPosition() const { return startPosition_; }
    void setStartPosition(std::string path);
    const std::string& storageLocation() const { return storageLocation_; }
    void setStorageLocation(std::string path);

    // The information window, closed first when the application is left.
    void setInformationWindow(QWidget* window) { Form2_ = window; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void createMenus();
    void connectControls();
    void startUp();
    void applyStoredFolders();
    void shutDown();

    void setStartSize();
    void applyResizeRule();
    void setOuterSize(double widthTwips, double heightTwips);

    // The Options and File menus, one handler for each menu's items by index.
    void optionens(int index);
    void dateis(int index);

    enum class FilePanelMode { Open, Save };
    void showListFilePanel(FilePanelMode mode);
    void saveIntoChosenDirectory();
    void readChosenListFile();
    bool offerToSave();
    void leaveApplication();
    void showInformationWindow();

    void generate();
    GeneratedList walkWhileShowingProgress(const std::string& root, const std::vector<std::string>& retained);
    // A walk shorter than this shows no progress.
    static constexpr int kQuietWalkMilliseconds = 500;
    void selectBySearchText();
    void deleteSelected();
    void enterEditMode();
    void confirmSinglePath();

    enum class ShareForm { Network, DriveLetter };
    void convertShares(ShareForm target);
    void switchShortAndLongNames();
    void toggleQuotes();
    void makeRelative();
    void restorePreviousInput();
    void deleteDoubleEntries();
    void showEntryStatus(int index);
    void driveChosen(DriveSelector* drives, DirectoryList* directories);
    void listFileDirectoryChanged();

    template <typename T>
    T* control(const char* name) const;

    Form1Services services_;
    std::unique_ptr<Dialogs> ownDialogs_;
    Dialogs* dialogs_ = nullptr;
    PathList list_;
    bool shownBefore_ = false;
    bool walking_ = false;
    QPointer<QWidget> Form2_;
    std::string startPosition_;
    std::string storageLocation_;

    PathListView* List1_ = nullptr;
    QPushButton* Command1_ = nullptr;
    QLabel* lbl_suchstartpos_ = nullptr;
    QLabel* lbl_file_ = nullptr;
    QLabel* lblStatus_ = nullptr;
    QLabel* lblnumber_ = nullptr;
    QLabel* img_ok_ = nullptr;
    QLabel* img_pathnotvalid_ = nullptr;
    QLabel* Label4_ = nullptr;
    QLineEdit* txt_einzelpfad_ = nullptr;
    QLineEdit* txt_find_ = nullptr;
    QWidget* cmd_einzel_ = nullptr;
    QPushButton* cmd_DOS_ = nullptr;
    QWidget* cmd_DirtoUNC_ = nullptr;
    QWidget* cmd_UNCtoDir_ = nullptr;
    QWidget* img_putin_ = nullptr;
    QWidget* frame_start_ = nullptr;
    QWidget* Frame3_ = nullptr;
    QWidget* Dateiauswahl_ = nullptr;
    QWidget* cmd_hier_ = nullptr;
    DirectoryList* Dir1_ = nullptr;
    DriveSelector* Drive1_ = nullptr;
    DirectoryList* Dir_file_ = nullptr;
    DriveSelector* Drive_file_ = nullptr;
    FileList* File_file_ = nullptr;
};

}  // namespace dirnal::ui
