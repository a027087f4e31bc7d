#pragma once

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <string>

#include "core/dialogs.h"
#include "core/directory_lister.h"
#include "core/drive_table.h"
#include "core/file_storage.h"
#include "core/path_conversions.h"
#include "core/session.h"
#include "core/settings_store.h"
#include "ui/dialogs.h"
#include "ui/drive_selector.h"
#include "ui/list_file_panel.h"
#include "ui/qt_text_catalog.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace dirnal::ui {

class FittingLabel;
class PathListView;
class StartPositionPanel;

// What the main window takes from outside; tests hand in fakes.
struct Form1Services {
    SettingsStore* settings = nullptr;
    const DirectoryLister* lister = nullptr;
    DriveSelector::DriveSource drives;
    Dialogs* dialogs = nullptr;              // null: message boxes
    std::string initialDirectory;            // empty: the working directory
    const DriveTable* driveTable = nullptr;  // null: the platform's drives and shares
    PathConverter shortName;                 // empty: the platform's short names
    PathConverter longName;                  // empty: the platform's long names
    std::function<bool(const std::string&)> openPage;  // empty: the default browser
    FileStorage* files = nullptr;            // null: the platform's file system
};

// The main window "dirnal.lst-Manager": it shows a session's state and
// hands the user's actions to it. Every control's objectName is its name
// in the layout table.
class Form1 final : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(Form1Services services, QWidget* parent = nullptr);
    ~Form1() override;

    Session& session() { return *session_; }
    // Shows the path list again after it was changed from outside.
    void showPathList();

    // The information window, closed first when the application is left.
    void setInformationWindow(QWidget* window) { Form2_ = window; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Tab passes over what is hidden or outside the window's width.
    bool focusNextPrevChild(bool next) override;

private:
    void createControls();
    void createMenus();
    void orderTabs();
    bool takesTabFocus(const QWidget* widget) const;
    // Hides one control and shows another in its place, with the focus if
    // the hidden one had it.
    void handOverFocus(QWidget* hidden, QWidget* shown);
    void connectControls();
    void connectPanels();
    void startUp();
    void applyFolder(StoredFolder folder, const std::string& path);
    // Shows the labels and the DOS/WIN caption as the session has them.
    void showLabels();
    void showSession();
    void showClickedEntry();

    void setStartSize();
    void applyResizeRule();
    void setOuterSize(double widthTwips, double heightTwips);

    // The Options and File menus, one handler for each menu's items by index.
    void optionens(int index);
    void dateis(int index);

    void showListFilePanel(ListFilePanel::Mode mode);
    void saveIntoChosenDirectory();
    void readChosenListFile();
    void save();
    void leaveApplication();
    void showInformationWindow();

    void generate();
    void clickEntry(int index);
    void selectBySearchText();
    void deleteSelected();
    void enterEditMode();
    void confirmSinglePath();
    void convertToNetworkShares();
    void convertToDriveLetters();
    void switchNameForm();
    void toggleQuotes();
    void makeRelative();
    void restorePreviousInput();
    void deleteDoubleEntries();

    template <typename T>
    T* control(const char* name) const
    {
        return findChild<T*>(QString::fromLatin1(name));
    }

    Form1Services services_;
    QtTextCatalog texts_;
    std::unique_ptr<Dialogs> messageBoxes_;
    std::unique_ptr<FileStorage> nativeFiles_;
    std::unique_ptr<Session> session_;
    // The session's questions and notices, each notice with the view shown first.
    std::unique_ptr<ShowingDialogs> dialogs_;
    bool shownBefore_ = false;
    bool walking_ = false;
    // The user asked to close while the walk ran; done once it has ended.
    bool closeAfterWalk_ = false;
    QPointer<QWidget> Form2_;

    PathListView* List1_ = nullptr;
    FittingLabel* lbl_suchstartpos_ = nullptr;
    FittingLabel* lbl_file_ = nullptr;
    FittingLabel* lblStatus_ = nullptr;
    FittingLabel* lblnumber_ = nullptr;
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
    QWidget* Frame3_ = nullptr;
    StartPositionPanel* frame_start_ = nullptr;
    ListFilePanel* Dateiauswahl_ = nullptr;
};

}  // namespace dirnal::ui
