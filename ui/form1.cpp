#include "ui/form1.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <filesystem>

#include "core/messages.h"
#include "core/network_shares.h"
#include "platform/native_file_storage.h"
#include "platform/native_path_style.h"
#include "platform/platform_drives.h"
#include "platform/qt/shell_exec.h"
#include "platform/short_names.h"
#include "ui/fitting_label.h"
#include "ui/accessible_names.h"
#include "ui/form1_layout.h"
#include "ui/form2.h"
#include "ui/path_list_view.h"
#include "ui/start_position_panel.h"
#include "ui/twips.h"

namespace dirnal::ui {

namespace {

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string workingDirectory()
{
    std::error_code error;
    const std::u8string cwd = std::filesystem::current_path(error).u8string();
    return error ? settingsDefaults(nativePathStyle()).drive : std::string(cwd.begin(), cwd.end());
}

// The platform's services for those the caller left out.
Form1Services withDefaults(Form1Services services)
{
    if (!services.driveTable)
        services.driveTable = &platformDrives();
    if (!services.shortName)
        services.shortName = ShortPathName;
    if (!services.longName)
        services.longName = LongPathName;
    if (!services.openPage)
        services.openPage = [](const std::string& page) { return ShellExec(page, 1, "open"); };
    if (services.initialDirectory.empty())
        services.initialDirectory = workingDirectory();
    return services;
}

}  // namespace

Form1::Form1(Form1Services services, QWidget* parent) : QMainWindow(parent), services_(withDefaults(std::move(services)))
{
    if (!services_.dialogs) {
        messageBoxes_ = std::make_unique<MessageBoxDialogs>(this);
        services_.dialogs = messageBoxes_.get();
    }
    if (!services_.files) {
        nativeFiles_ = std::make_unique<NativeFileStorage>();
        services_.files = nativeFiles_.get();
    }
    session_ = std::make_unique<Session>(SessionServices{services_.lister, services_.settings, services_.files,
                                                         services_.driveTable, services_.shortName,
                                                         services_.longName, nativePathStyle(), &texts_});
    dialogs_ = std::make_unique<ShowingDialogs>(*services_.dialogs, [this] { showSession(); });
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("dirnal.lst-Manager"));  // the product's name in every language

    createControls();
    createMenus();
    connectControls();
    connectPanels();
    startUp();
}

Form1::~Form1()
{
    session_->setStatusListener({});
    // The controls go while the session they report to is still there.
    delete centralWidget();
    // The information window is a window of its own; it goes with this one.
    delete Form2_;
}

void Form1::connectPanels()
{
    for (FolderPanel* panel : {static_cast<FolderPanel*>(frame_start_), static_cast<FolderPanel*>(Dateiauswahl_)}) {
        connect(panel, &FolderPanel::folderChanged, this,
                [this](StoredFolder folder, const std::string& path) { session_->setFolder(folder, path); });
        connect(panel, &FolderPanel::driveUnavailable, this, [this] { session_->reportDriveUnavailable(); });
        // Both directory lists open where the program was started.
        panel->openDirectory(services_.initialDirectory);
        panel->reportFolders();
    }
    connect(frame_start_, &StartPositionPanel::startPositionConfirmed, this, [this] {
        session_->confirmStartPosition();
        showLabels();
    });
    connect(Dateiauswahl_, &ListFilePanel::saveHereChosen, this, &Form1::saveIntoChosenDirectory);
    connect(Dateiauswahl_, &ListFilePanel::fileClicked, this, &Form1::readChosenListFile);
}

void Form1::connectControls()
{
    session_->setStatusListener([this](const std::string& status) { lblStatus_->setText(qs(status)); });
    lblStatus_->setText(qs(session_->status()));

    // While a walk runs, no button acts: the walk drops input events, but a
    // screen reader presses a button without one.
    const auto onClick = [this](const char* name, auto handler) {
        connect(control<QAbstractButton>(name), &QAbstractButton::clicked, this, [this, handler] {
            if (!walking_)
                handler();
        });
    };
    onClick("Command1", [this] { generate(); });
    connect(List1_, &PathListView::entryMadeCurrent, this, &Form1::clickEntry);
    connect(txt_einzelpfad_, &QLineEdit::textEdited, this,
            [this](const QString& text) { session_->typeSinglePath(text.toStdString()); });
    onClick("cmd_deletethis", [this] { selectBySearchText(); });
    onClick("cmd_del", [this] { deleteSelected(); });
    onClick("cmd_einzel", [this] { enterEditMode(); });
    onClick("img_putin", [this] { confirmSinglePath(); });
    onClick("cmd_DirtoUNC", [this] {
        handOverFocus(cmd_DirtoUNC_, cmd_UNCtoDir_);
        convertToNetworkShares();
    });
    onClick("cmd_UNCtoDir", [this] {
        handOverFocus(cmd_UNCtoDir_, cmd_DirtoUNC_);
        convertToDriveLetters();
    });
    onClick("cmd_DOS", [this] { switchNameForm(); });
    onClick("cmd_vista", [this] { toggleQuotes(); });
    onClick("cmd_rel", [this] { makeRelative(); });
    onClick("cmd_selshow", [this] {
        setOuterSize(kFindAreaWidthTwips, pixelsToTwips(frameGeometry().height()));
        txt_find_->setFocus(Qt::OtherFocusReason);
    });
    onClick("cmd_startpos", [this] { frame_start_->show(); });
    onClick("cmd_saveplace", [this] { showListFilePanel(ListFilePanel::Mode::Save); });
    onClick("img_save", [this] { save(); });
    onClick("img_Exit", [this] { leaveApplication(); });
}

void Form1::startUp()
{
    session_->startUp([this](StoredFolder folder, const std::string& path) { applyFolder(folder, path); },
                      dialogs_.get());
    showLabels();
    setStartSize();
}

void Form1::applyFolder(StoredFolder folder, const std::string& path)
{
    frame_start_->open(folder, path);
    Dateiauswahl_->open(folder, path);
}

void Form1::closeEvent(QCloseEvent* event)
{
    // Not in the middle of a walk: the window closes once it has ended.
    if (walking_) {
        closeAfterWalk_ = true;
        event->ignore();
        return;
    }
    // The session stores what the panels show now.
    frame_start_->reportFolders();
    Dateiauswahl_->reportFolders();
    session_->shutDown();
    // A save the user asked for that failed keeps the window open: closing
    // now would lose the list.
    if (session_->offerToSave(*dialogs_))
        event->accept();
    else
        event->ignore();
    showLabels();
}

void Form1::showPathList()
{
    List1_->showList();
}

void Form1::showLabels()
{
    lbl_suchstartpos_->setText(qs(session_->startPosition()));
    lbl_file_->setText(qs(session_->storageLocation()));
    // The button names the form the next click goes to.
    const bool toShort = session_->nameForm() == NameForm::Long;
    cmd_DOS_->setText(toShort ? QStringLiteral("DOS") : QStringLiteral("WIN"));
    cmd_DOS_->setAccessibleName(nameFormButtonName(toShort));
}

void Form1::showSession()
{
    showPathList();
    showLabels();
}

void Form1::showClickedEntry()
{
    const std::optional<ClickedEntry>& clicked = session_->clickedEntry();
    if (!clicked || clicked->index >= session_->list().count())
        return;
    lblnumber_->setText(QString::number(clicked->index));
    img_pathnotvalid_->setVisible(!clicked->exists);
    img_ok_->setVisible(clicked->exists);
    // Setting the same text again would lose the cursor and the undo steps.
    if (const QString singlePath = qs(session_->singlePath()); txt_einzelpfad_->text() != singlePath)
        txt_einzelpfad_->setText(singlePath);
}

void Form1::showInformationWindow()
{
    if (Form2_) {
        Form2_->show();
        Form2_->raise();
        Form2_->activateWindow();
        return;
    }
    auto* information = new Form2(services_.openPage);
    Form2_ = information;
    const QScreen* screen = this->screen();
    information->load(frameGeometry(), screen ? screen->geometry() : QRect(0, 0, 1024, 768));
}

void Form1::leaveApplication()
{
    if (Form2_)
        Form2_->close();
    close();
}

}  // namespace dirnal::ui
