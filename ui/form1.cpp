#include "ui/form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

#include <atomic>
#include <cmath>
#include <filesystem>
#include <thread>

#include "core/generator.h"
#include "core/path_style.h"
#include "platform/native_path_style.h"
#include "platform/qt/shell_exec.h"
#include "ui/dialogs.h"
#include "ui/directory_list.h"
#include "ui/file_list.h"
#include "ui/form1_layout.h"
#include "ui/form2.h"
#include "ui/path_list_view.h"
#include "ui/resize_rule.h"
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
    const auto cwd = std::filesystem::current_path(error);
    return error ? std::string("/") : cwd.string();
}

}  // namespace

Form1::Form1(Form1Services services, QWidget* parent) : QMainWindow(parent), services_(std::move(services))
{
    if (!services_.dialogs) {
        ownDialogs_ = std::make_unique<MessageBoxDialogs>(this);
        services_.dialogs = ownDialogs_.get();
    }
    dialogs_ = services_.dialogs;
    if (!services_.driveTable)
        services_.driveTable = &platformDrives();
    if (!services_.shortName)
        services_.shortName = ShortPathName;
    if (!services_.longName)
        services_.longName = LongPathName;
    if (!services_.openPage)
        services_.openPage = [](const std::string& page) { return ShellExec(page, 1, "open"); };
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("dirnal.lst-Manager"));

    createControls();
    createMenus();

    // Both directory lists open where the program was started, before any
    // change handling is connected.
    const std::string initial =
        services_.initialDirectory.empty() ? workingDirectory() : services_.initialDirectory;
    for (DirectoryList* directories : {Dir1_, Dir_file_})
        directories->setPath(initial);
    Drive1_->setDrive(Dir1_->path());
    Drive_file_->setDrive(Dir_file_->path());
    File_file_->setDirectory(Dir_file_->path());

    connectControls();
    startUp();
}

Form1::~Form1()
{
    // The information window is a window of its own; it goes with this one.
    delete Form2_;
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

void Form1::connectControls()
{
    connect(Command1_, &QPushButton::clicked, this, &Form1::generate);
    connect(List1_, &PathListView::entryMadeCurrent, this, &Form1::showEntryStatus);

    // Editing.
    connect(findChild<QPushButton*>(QStringLiteral("cmd_deletethis")), &QPushButton::clicked, this,
            &Form1::selectBySearchText);
    connect(findChild<QAbstractButton*>(QStringLiteral("cmd_del")), &QAbstractButton::clicked, this,
            &Form1::deleteSelected);
    connect(findChild<QPushButton*>(QStringLiteral("cmd_einzel")), &QPushButton::clicked, this,
            &Form1::enterEditMode);

    // Conversions.
    connect(findChild<QPushButton*>(QStringLiteral("cmd_DirtoUNC")), &QPushButton::clicked, this, [this] {
        cmd_DirtoUNC_->hide();
        cmd_UNCtoDir_->show();
        convertShares(ShareForm::Network);
    });
    connect(findChild<QPushButton*>(QStringLiteral("cmd_UNCtoDir")), &QPushButton::clicked, this, [this] {
        cmd_UNCtoDir_->hide();
        cmd_DirtoUNC_->show();
        convertShares(ShareForm::DriveLetter);
    });
    connect(cmd_DOS_, &QPushButton::clicked, this, &Form1::switchShortAndLongNames);
    connect(findChild<QAbstractButton*>(QStringLiteral("cmd_vista")), &QAbstractButton::clicked, this,
            &Form1::toggleQuotes);
    connect(findChild<QPushButton*>(QStringLiteral("cmd_rel")), &QPushButton::clicked, this,
            &Form1::makeRelative);
    connect(findChild<QAbstractButton*>(QStringLiteral("img_putin")), &QAbstractButton::clicked, this,
            &Form1::confirmSinglePath);
    connect(findChild<QPushButton*>(QStringLiteral("cmd_selshow")), &QPushButton::clicked, this,
            [this] { setOuterSize(kFindAreaWidthTwips, pixelsToTwips(frameGeometry().height())); });

    // Start-position panel.
    connect(findChild<QPushButton*>(QStringLiteral("cmd_startpos")), &QPushButton::clicked, frame_start_,
            &QWidget::show);
    connect(findChild<QPushButton*>(QStringLiteral("cmd_okstartpos")), &QPushButton::clicked, this, [this] {
        frame_start_->hide();
        setStartPosition(Dir1_->path());
    });
    connect(findChild<QToolButton*>(QStringLiteral("lbl_exitstart")), &QToolButton::clicked, frame_start_,
            &QWidget::hide);
    connect(Drive1_, &DriveSelector::driveChanged, this, [this] { driveChosen(Drive1_, Dir1_); });
    // A directory list here can reach every mount point, so its drive
    // selector follows it to keep showing the drive of the open directory.
    connect(Dir1_, &DirectoryList::pathChanged, this, [this] { Drive1_->setDrive(Dir1_->path()); });

    // List-file panel.
    connect(Drive_file_, &DriveSelector::driveChanged, this, [this] { driveChosen(Drive_file_, Dir_file_); });
    connect(Dir_file_, &DirectoryList::pathChanged, this, &Form1::listFileDirectoryChanged);
    connect(findChild<QPushButton*>(QStringLiteral("cmd_saveplace")), &QPushButton::clicked, this,
            [this] { showListFilePanel(FilePanelMode::Save); });
    connect(findChild<QToolButton*>(QStringLiteral("lbl_X")), &QToolButton::clicked, Dateiauswahl_,
            &QWidget::hide);
    connect(findChild<QPushButton*>(QStringLiteral("cmd_hier")), &QPushButton::clicked, this,
            &Form1::saveIntoChosenDirectory);
    connect(File_file_, &FileList::fileClicked, this, &Form1::readChosenListFile);

    // Saving and leaving.
    connect(findChild<QAbstractButton*>(QStringLiteral("img_save")), &QAbstractButton::clicked, this,
            &Form1::Speichern);
    connect(findChild<QAbstractButton*>(QStringLiteral("img_Exit")), &QAbstractButton::clicked, this,
            &Form1::leaveApplication);
}

void Form1::setStartPosition(std::string path)
{
    startPosition_ = std::move(path);
    lbl_suchstartpos_->setText(qs(startPosition_));
}

void Form1::setStorageLocation(std::string path)
{
    storageLocation_ = std::move(path);
    lbl_file_->setText(qs(storageLocation_));
}

void Form1::startUp()
{
    applyStoredFolders();
    setStorageLocation(joinPath(Dir_file_->path(), kListFileName, nativePathStyle()));
    setStartSize();
    setStartPosition(Dir1_->path());
}

void Form1::applyStoredFolders()
{
    // Each value is applied only when it still names a directory; each
    // change runs its control's change handling before the next one.
    namespace keys = settings_keys;
    const SettingsStore& settings = *services_.settings;
    const SettingsDefaults defaults = settingsDefaults(nativePathStyle());
    const DirectoryLister& fs = *services_.lister;

    if (const std::string dir = settings.read(keys::kStartDirectory, defaults.directory); fs.dirExists(dir))
        Dir1_->setPath(dir);
    if (const std::string drive = settings.read(keys::kStartDrive, defaults.drive); fs.dirExists(drive))
        Drive1_->setDrive(drive);
    if (const std::string dir = settings.read(keys::kListFileDirectory, defaults.directory); fs.dirExists(dir))
        Dir_file_->setPath(dir);
    if (const std::string drive = settings.read(keys::kListFileDrive, defaults.drive); fs.dirExists(drive))
        Drive_file_->setDrive(drive);
}

void Form1::shutDown()
{
    namespace keys = settings_keys;
    SettingsStore& settings = *services_.settings;
    settings.write(keys::kListFile, storageLocation_);
    settings.write(keys::kStartDirectory, Dir1_->path());
    settings.write(keys::kStartDrive, Drive1_->drive());
    settings.write(keys::kListFileDirectory, Dir_file_->path());
    settings.write(keys::kListFileDrive, Drive_file_->drive());
}

void Form1::closeEvent(QCloseEvent* event)
{
    // Not in the middle of a walk: the window closes once it has ended.
    if (walking_) {
        event->ignore();
        return;
    }
    shutDown();
    // A save the user asked for that failed keeps the window open: closing
    // now would lose the list.
    if (offerToSave())
        event->accept();
    else
        event->ignore();
}

void Form1::setStartSize()
{
    // The designed client area below the menu bar, 7620 twips wide outside.
    const int frameHeight = frameGeometry().height() - height();
    setOuterSize(kStartWidthTwips,
                 pixelsToTwips(twipsToPixels(kDesignHeightTwips) + menuBar()->sizeHint().height() + frameHeight));
    // A hidden window gets its resize event only when shown.
    applyResizeRule();
}

void Form1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Only now is the window frame known, and the start width is the width
    // outside it.
    if (!shownBefore_) {
        shownBefore_ = true;
        setStartSize();
    }
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    applyResizeRule();
}

void Form1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        applyResizeRule();
}

void Form1::setOuterSize(double widthTwips, double heightTwips)
{
    // The rule reads the outer size; the frame is what lies around the
    // widget's own geometry. Round up so that the result is not below the
    // size asked for.
    const int frameWidth = frameGeometry().width() - width();
    const int frameHeight = frameGeometry().height() - height();
    resize(static_cast<int>(std::ceil(widthTwips / kTwipsPerPixel)) - frameWidth,
           static_cast<int>(std::ceil(heightTwips / kTwipsPerPixel)) - frameHeight);
}

void Form1::applyResizeRule()
{
    if (isMinimized() || isMaximized())
        return;
    const auto outerLayout = [this] {
        return resizeLayout(pixelsToTwips(frameGeometry().width()), pixelsToTwips(frameGeometry().height()));
    };
    ResizeLayout layout = outerLayout();
    if (layout.windowWidth != pixelsToTwips(frameGeometry().width()) ||
        layout.windowHeight != pixelsToTwips(frameGeometry().height())) {
        setOuterSize(layout.windowWidth, layout.windowHeight);
        // Lay out for the size the window really took (whole pixels).
        layout = outerLayout();
    }

    List1_->resize(twipsToPixels(layout.listWidth), twipsToPixels(layout.listHeight));
    Frame3_->move(Frame3_->x(), twipsToPixels(layout.toolAreaTop));
}

void Form1::showPathList()
{
    List1_->showList();
}

void Form1::optionens(int index)
{
    switch (index) {
    case 0:  // "Such-Startposition einstellen", as the button does
        frame_start_->show();
        break;
    case 1:  // "dirnal.lst Speicherort festlegen", as the button does
        showListFilePanel(FilePanelMode::Save);
        break;
    case 2:  // "vorige Eingabe einstellen"
        restorePreviousInput();
        break;
    case 3:  // "doppelte Einträge löschen"
        deleteDoubleEntries();
        break;
    case 4:  // "Dir to UNC": as its button, but both buttons stay as they are
        convertShares(ShareForm::Network);
        break;
    case 5:  // "UNC to Dir"
        convertShares(ShareForm::DriveLetter);
        break;
    case 6:  // "relativ zur Startposition", as the button does
        makeRelative();
        break;
    default:
        break;
    }
}

void Form1::generate()
{
    std::vector<std::string> retained;
    if (list_.count() > 0) {
        if (!dialogs_->askYesNo(tr("Wollen Sie die bestehende Liste löschen ?")))
            retained = list_.entries();
        list_.clear();
        showPathList();
    }
    const std::string root = Dir1_->path();
    Label4_->setText(qs(root));

    const GeneratedList result = walkWhileShowingProgress(root, retained);
    list_.assign(result.entries);

    lblStatus_->setText(qs(totalStatusText(result.report.total)));
    showPathList();

    if (result.report.limitReached)
        dialogs_->inform(tr("Die Liste ist unvollständig: die Höchstzahl von %1 Einträgen wurde erreicht.")
                             .arg(PathList::kMaxEntries));
    if (result.report.unreadable > 0)
        dialogs_->inform(result.report.unreadable == 1
                             ? tr("1 Verzeichnis konnte nicht gelesen werden; seine Unterverzeichnisse fehlen "
                                  "in der Liste.")
                             : tr("%1 Verzeichnisse konnten nicht gelesen werden; ihre Unterverzeichnisse "
                                  "fehlen in der Liste.")
                                   .arg(result.report.unreadable));
    if (result.report.untakeable > 0)
        dialogs_->inform(tr("%1 Verzeichnis(se) mit einem Zeilenumbruch im Namen können nicht in die Liste "
                            "übernommen werden; sie fehlen samt ihren Unterverzeichnissen.")
                             .arg(result.report.untakeable));
}

GeneratedList Form1::walkWhileShowingProgress(const std::string& root, const std::vector<std::string>& retained)
{
    // The walk runs beside the window, which keeps being drawn and shows
    // how far it got; input waits until the walk has ended.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    walking_ = true;
    std::atomic<int> found{0};
    GeneratedList result;
    QEventLoop loop;
    WalkOptions options;
    options.progress = [&found](int count) { found = count; };
    std::thread walker([&] {
        result = walkTree(root, retained, *services_.lister, options);
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    QElapsedTimer clock;
    clock.start();
    QTimer progress;
    connect(&progress, &QTimer::timeout, this, [&] {
        if (clock.elapsed() >= kQuietWalkMilliseconds)
            lblStatus_->setText(tr("%1 Verzeichnisse gefunden...").arg(found.load()));
    });
    progress.start(100);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    walker.join();
    walking_ = false;
    QApplication::restoreOverrideCursor();
    return result;
}

void Form1::showEntryStatus(int index)
{
    lblnumber_->setText(QString::number(index));
    const std::string& entry = list_.entryAt(index);
    const bool exists = services_.lister->dirExists(entry);
    lblStatus_->setText(exists ? tr("ok.") : tr("existiert nicht !"));
    img_pathnotvalid_->setVisible(!exists);
    img_ok_->setVisible(exists);
    txt_einzelpfad_->setText(qs(entry));
}

void Form1::driveChosen(DriveSelector* drives, DirectoryList* directories)
{
    const std::string drive = drives->drive();
    if (services_.lister->dirExists(drive)) {
        directories->openDrive(drive);
        return;
    }
    // The drive went away: show the drive of the open directory again.
    drives->setDrive(directories->path());
    lblStatus_->setText(tr("Laufwerk nicht verfügbar !"));
}

void Form1::listFileDirectoryChanged()
{
    File_file_->setDirectory(Dir_file_->path());
    Drive_file_->setDrive(Dir_file_->path());
}

}  // namespace dirnal::ui
