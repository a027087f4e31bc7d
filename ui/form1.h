#pragma once

#include <QMainWindow>
#include <QPointer>

class QShortcut;

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/dialogs.h"
#include "core/session.h"
#include "ui/drive_selector.h"
#include "ui/form1_ui.h"
#include "ui/list_file_panel.h"
#include "ui/qt_text_catalog.h"
#include "ui/session_end_hold.h"

namespace dirnal::ui {

class Announcement;
class StartPositionPanel;

// What the main window works with, every part given; tests hand in fakes.
struct Form1Services {
    SessionServices session;            // its texts are the window's language, whatever is given
    DriveSelector::DriveSource drives = {};  // the drives the two panels offer
    std::function<bool(const std::string& address)> openPage = {};  // the information window's link
    std::string documentationPage = {};                              // where it leads
    std::string initialDirectory = {};       // where both directory lists open before start-up moves them
    Dialogs* dialogs = nullptr;         // null: message boxes
    // Ends the program at once, a write that hangs left behind. Empty: _Exit.
    std::function<void()> endProgram = {};
};

// The main window "dirnal.lst-Manager": it shows a session's state, each
// control bound once to the change of the session it shows, and hands the
// user's actions to the session. While the session is busy nothing acts but
// the cancel of the walk.
class Form1 final : public QMainWindow, private SessionListener {
    Q_OBJECT
public:
    explicit Form1(Form1Services services, QWidget* parent = nullptr);
    ~Form1() override;

    Session& session() { return *session_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Tab passes over what is hidden or outside the window's width.
    bool focusNextPrevChild(bool next) override;

private:
    // What the session announces, each shown in its control.
    void startPositionChanged() override;
    void storageLocationChanged() override;
    void nameFormChanged() override;
    void clickedEntryChanged() override;
    void singlePathChanged() override;
    void statusChanged() override;
    void commandSummaryChanged() override;
    void busyChanged() override;

    void connectActions();
    void connectPanels();
    void connectKeys();
    void applyFolder(StoredFolder folder, const std::string& path);
    void startUp();

    bool takesTabFocus(const QWidget* widget) const;
    // Hides one control and shows another in its place, with the focus if
    // the hidden one had it.
    void handOverFocus(QWidget* hidden, QWidget* shown);
    // Closes the panel on top, if one is open.
    bool closeTopPanel();

    void setStartSize();
    void applyResizeRule();
    void setOuterSize(double widthTwips, double heightTwips);

    // The Options and File menus, one handler for each menu's items by index.
    void optionens(int index);
    void dateis(int index);

    void generate();
    void selectMissingEntries();
    void enterEditMode();
    void leaveEditMode();
    void confirmSinglePath();
    void saveIntoChosenDirectory();
    void readChosenListFile();
    void restorePreviousInput();
    void leaveApplication();
    void showInformationWindow();

    Form1Services services_;
    QtTextCatalog texts_;
    std::unique_ptr<Dialogs> messageBoxes_;
    Dialogs* dialogs_;
    std::unique_ptr<Session> session_;
    Form1Ui ui_;
    StartPositionPanel* startPanel_ = nullptr;
    ListFilePanel* listFilePanel_ = nullptr;

    bool shownBefore_ = false;
    // The stored folders' answers while start-up waits for them.
    // Where the focus was when the walk began; it goes back there after.
    QPointer<QWidget> focusBeforeBusy_;
    // The user asked to close while the session was busy; done once idle.
    bool closeWhenIdle_ = false;
    bool writing_ = false;  // a list file is being written
    SessionEndHold sessionEnd_;
    // Escape, while a walk runs.
    QShortcut* cancelWalk_ = nullptr;
    // What a command did where no status line tells it.
    Announcement* commandAnnouncement_ = nullptr;
    QPointer<QWidget> Form2_;
};

}  // namespace dirnal::ui
