// The main window's buttons, image buttons, menus and panels, each handed
// to the session; what the session then changes reaches the controls
// through its announcements.
#include <QAction>
#include <QLineEdit>

#include <atomic>

#include "ui/ask_beside_event_loop.h"
#include "ui/caption_button.h"
#include "ui/close_box.h"
#include "ui/directory_list.h"
#include "ui/file_list.h"
#include "ui/form1.h"
#include "ui/image_button.h"
#include "ui/outline_panel.h"
#include "ui/start_position_panel.h"
#include "ui/twips.h"
#include "ui/walk_beside_event_loop.h"

namespace dirnal::ui {

void Form1::connectPanels()
{
    const FolderPanel::Sources sources{*services_.session.lister, services_.drives};
    startPanel_ = new StartPositionPanel({ui_.frame_start, ui_.Drive1, ui_.Dir1, ui_.lbl_exitstart},
                                         ui_.cmd_okstartpos, sources, this);
    listFilePanel_ = new ListFilePanel({ui_.Dateiauswahl, ui_.Drive_file, ui_.Dir_file, ui_.lbl_X}, ui_.File_file,
                                       ui_.cmd_hier, *services_.session.files, sources, this);
    for (FolderPanel* panel : {static_cast<FolderPanel*>(startPanel_), static_cast<FolderPanel*>(listFilePanel_)}) {
        connect(panel, &FolderPanel::folderChanged, this,
                [this](StoredFolder folder, const std::string& path) { session_->setFolder(folder, path); });
        connect(panel, &FolderPanel::driveUnavailable, this, [this] { session_->reportDriveUnavailable(); });
        connect(panel, &FolderPanel::folderUnavailable, this, [this] { session_->reportFolderUnavailable(); });
        // Both directory lists open where the program was started.
        panel->openDirectory(services_.initialDirectory);
        panel->reportFolders();
    }
    connect(startPanel_, &StartPositionPanel::startPositionConfirmed, this,
            [this] { session_->confirmStartPosition(); });
    connect(listFilePanel_, &ListFilePanel::saveHereChosen, this, &Form1::saveIntoChosenDirectory);
    connect(listFilePanel_, &ListFilePanel::fileClicked, this, &Form1::readChosenListFile);
}

void Form1::connectActions()
{
    const auto onClick = [this](QAbstractButton* button, auto handler) {
        connect(button, &QAbstractButton::clicked, this, handler);
    };
    // While the walk runs it is "Abbrechen".
    onClick(ui_.Command1, [this] { session_->busy() ? session_->cancelWalk() : generate(); });
    connect(ui_.txt_einzelpfad, &QLineEdit::textEdited, this,
            [this](const QString& text) { session_->typeSinglePath(text.toStdString()); });
    onClick(ui_.cmd_deletethis, [this] { session_->selectBySearchText(ui_.txt_find->text().toStdString()); });
    onClick(ui_.cmd_del, [this] { session_->deleteSelected(); });
    onClick(ui_.cmd_einzel, [this] { enterEditMode(); });
    onClick(ui_.img_putin, [this] { confirmSinglePath(); });
    onClick(ui_.cmd_DirtoUNC, [this] {
        handOverFocus(ui_.cmd_DirtoUNC, ui_.cmd_UNCtoDir);
        session_->convertToNetworkShares();
    });
    onClick(ui_.cmd_UNCtoDir, [this] {
        handOverFocus(ui_.cmd_UNCtoDir, ui_.cmd_DirtoUNC);
        session_->convertToDriveLetters();
    });
    onClick(ui_.cmd_DOS, [this] { session_->switchNameForm(); });
    onClick(ui_.cmd_vista, [this] { session_->toggleQuotes(); });
    onClick(ui_.cmd_rel, [this] { session_->makeRelative(*dialogs_); });
    onClick(ui_.cmd_selshow, [this] {
        setOuterSize(kFindAreaWidthTwips, pixelsToTwips(frameGeometry().height()));
        ui_.txt_find->setFocus(Qt::OtherFocusReason);
    });
    onClick(ui_.cmd_startpos, [this] { startPanel_->show(); });
    onClick(ui_.cmd_saveplace, [this] { listFilePanel_->showFor(ListFilePanel::Mode::Save); });
    onClick(ui_.img_save, [this] { session_->save(*dialogs_); });
    onClick(ui_.img_Exit, [this] { leaveApplication(); });

    for (int i = 0; i < static_cast<int>(ui_.dateis.size()); ++i)
        connect(ui_.dateis[static_cast<std::size_t>(i)], &QAction::triggered, this, [this, i] { dateis(i); });
    for (int i = 0; i < static_cast<int>(ui_.optionens.size()); ++i)
        connect(ui_.optionens[static_cast<std::size_t>(i)], &QAction::triggered, this, [this, i] { optionens(i); });
    connect(ui_.info, &QAction::triggered, this, &Form1::showInformationWindow);
}

void Form1::dateis(int index)
{
    switch (index) {
    case 0:  // "Öffnen"
        listFilePanel_->showFor(ListFilePanel::Mode::Open);
        break;
    case 1:  // "speichern"
        session_->save(*dialogs_);
        break;
    case 2:  // "speichern unter..."
        listFilePanel_->showFor(ListFilePanel::Mode::Save);
        break;
    case 3:  // "EXIT"
        leaveApplication();
        break;
    default:
        break;
    }
}

void Form1::optionens(int index)
{
    switch (index) {
    case 0:  // "Such-Startposition einstellen", as the button does
        startPanel_->show();
        break;
    case 1:  // "dirnal.lst Speicherort festlegen", as the button does
        listFilePanel_->showFor(ListFilePanel::Mode::Save);
        break;
    case 2:  // "vorige Eingabe einstellen"
        restorePreviousInput();
        break;
    case 3:  // "doppelte Einträge löschen"
        session_->deleteDoubleEntries();
        break;
    case 4:  // "Dir to UNC": as its button, but both buttons stay as they are
        session_->convertToNetworkShares();
        break;
    case 5:  // "UNC to Dir"
        session_->convertToDriveLetters();
        break;
    case 6:  // "relativ zur Startposition", as the button does
        session_->makeRelative(*dialogs_);
        break;
    case 7:  // "nicht vorhandene Pfade auswählen"
        selectMissingEntries();
        break;
    default:
        break;
    }
}

void Form1::generate()
{
    std::atomic<int> found{0};
    WalkOptions options;
    options.progress = [&found](int count) { found = count; };
    session_->generate(*dialogs_, options, [&](const std::function<GeneratedList()>& walk) {
        return walkBesideEventLoop(walk, found, [this](int count) { session_->reportWalkProgress(count); });
    });
}

void Form1::selectMissingEntries()
{
    // On a share every check is a round trip: they run beside the event
    // loop, as the walk does, and say how far they got.
    std::atomic<std::size_t> checked{0};
    CheckOptions options;
    options.progress = [&checked](std::size_t count) { checked = count; };
    session_->selectMissingEntries(
        [&](const std::function<void()>& check) {
            runBesideEventLoop(check, [&] { session_->reportCheckProgress(checked.load()); });
        },
        options);
}

void Form1::enterEditMode()
{
    ui_.img_putin->show();
    ui_.cmd_einzel->hide();
    ui_.txt_einzelpfad->show();
    // Ready to type over, or to edit.
    ui_.txt_einzelpfad->setFocus(Qt::OtherFocusReason);
    ui_.txt_einzelpfad->selectAll();
}

void Form1::leaveEditMode()
{
    // The focus moves before the box goes, not through the next control.
    const bool editing = focusWidget() == ui_.txt_einzelpfad || focusWidget() == ui_.img_putin;
    ui_.cmd_einzel->show();
    if (editing)
        ui_.cmd_einzel->setFocus(Qt::OtherFocusReason);
    ui_.img_putin->hide();
    ui_.txt_einzelpfad->hide();
}

void Form1::confirmSinglePath()
{
    leaveEditMode();
    // What was typed stays in the box, also when the list had no room for it.
    session_->confirmSinglePath(*dialogs_);
}

void Form1::saveIntoChosenDirectory()
{
    listFilePanel_->hide();
    // A folder that did not take the file keeps the panel, for another choice.
    if (!session_->saveInto(listFilePanel_->directory(), *dialogs_))
        listFilePanel_->show();
}

void Form1::readChosenListFile()
{
    session_->readChosenListFile(listFilePanel_->directory(), listFilePanel_->chosenFileName(), *dialogs_);
    listFilePanel_->hide();
}

void Form1::restorePreviousInput()
{
    checkDirectoriesBesideEventLoop(*this, *services_.session.lister, session_->storedFolderPaths(),
                                    [this](const std::vector<bool>& exist) {
                                        session_->restorePreviousInput(
                                            [this](StoredFolder folder, const std::string& path) {
                                                applyFolder(folder, path);
                                            },
                                            exist);
                                    });
}

}  // namespace dirnal::ui
