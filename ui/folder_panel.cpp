#include "ui/folder_panel.h"

#include <QAbstractButton>
#include <QTimer>

#include "ui/ask_beside_event_loop.h"
#include "ui/directory_list.h"
#include "ui/key_actions.h"

namespace dirnal::ui {

FolderPanel::FolderPanel(Controls controls, Folders folders, const Sources& sources, QObject* parent)
    : QObject(parent), controls_(controls), folders_(folders), lister_(sources.lister)
{
    controls_.drives->setSource(sources.drives);
    controls_.directories->setLister(
        sources.lister, [drives = controls_.drives](const std::string& path) { return drives->driveOf(path); });
    connect(controls_.closeBox, &QAbstractButton::clicked, this, &FolderPanel::hide);
    connect(controls_.drives, &DriveSelector::driveChanged, this, &FolderPanel::driveChosen);
    // A directory list here can reach every mount point, so its drive
    // selector follows it to keep showing the drive of the open directory.
    connect(controls_.directories, &DirectoryList::pathChanged, this, [this] {
        emit folderChanged(folders_.directory, directory());
        controls_.drives->setDrive(directory());
    });
    connect(controls_.directories, &DirectoryList::pathUnavailable, this, &FolderPanel::folderUnavailable);
    KeyActions::of(controls_.frame)
        .on({Qt::Key_Escape}, [this] {
            hide();
            return true;
        })
        .on({Qt::Key_Return, Qt::Key_Enter}, [this] { return pressDefaultButton(); });
}

const std::string& FolderPanel::directory() const
{
    return controls_.directories->path();
}

std::string FolderPanel::drive() const
{
    return controls_.drives->drive();
}

void FolderPanel::openDirectory(const std::string& path)
{
    controls_.directories->openDirectory(path);
}

void FolderPanel::open(StoredFolder folder, const std::string& path)
{
    if (folder == folders_.directory)
        controls_.directories->openDirectory(path);
    else if (folder == folders_.drive)
        controls_.drives->setAnsweringDrive(path);
}

void FolderPanel::reportFolders()
{
    emit folderChanged(folders_.directory, directory());
    emit folderChanged(folders_.drive, drive());
}

void FolderPanel::show()
{
    showFocused(controls_.directories);
}

void FolderPanel::showFocused(QWidget* control)
{
    QWidget* const focus = controls_.frame->window()->focusWidget();
    // Opened again from inside, it keeps the control it goes back to.
    if (!focus || !controls_.frame->isAncestorOf(focus))
        opener_ = focus;
    controls_.frame->show();
    controls_.frame->raise();
    control->setFocus(Qt::OtherFocusReason);
}

QWidget* FolderPanel::directoryList() const
{
    return controls_.directories;
}

void FolderPanel::hide()
{
    // Given back before the panel goes: hidden with the focus, the panel
    // would first pass it on to the control next in the Tab order.
    const QWidget* focus = controls_.frame->window()->focusWidget();
    if (focus && controls_.frame->isAncestorOf(focus) && opener_ && opener_->isEnabled() &&
        opener_->isVisibleTo(opener_->window()))
        opener_->setFocus(Qt::OtherFocusReason);
    controls_.frame->hide();
}

bool FolderPanel::pressDefaultButton()
{
    if (!defaultButton_ || !defaultButton_->isVisibleTo(controls_.frame) || !defaultButton_->isEnabled())
        return false;
    defaultButton_->click();
    return true;
}

void FolderPanel::driveChosen()
{
    const std::string drive = controls_.drives->drive();
    emit folderChanged(folders_.drive, drive);
    // The drive of the open directory answers: it followed the directory.
    if (controls_.drives->driveOf(directory()) == drive)
        return;
    // A drive that did not answer its check is not asked again; one that
    // did may have gone since, or hang now: it is asked beside the event
    // loop, and counts as gone when it does not answer in time.
    const unsigned check = ++driveChecks_;
    if (controls_.drives->silent(drive)) {
        driveAnswered(check, drive, false);
        return;
    }
    askBesideEventLoop<bool>(
        *this, [lister = &lister_, drive] { return lister->dirExists(drive); },
        [this, check, drive](bool answers) { driveAnswered(check, drive, answers); });
    QTimer::singleShot(kFileSystemAnswerTimeout, this, [this, check, drive] { driveAnswered(check, drive, false); });
}

void FolderPanel::driveAnswered(unsigned check, const std::string& drive, bool answers)
{
    if (check != driveChecks_)
        return;  // answered already, or another drive picked since
    ++driveChecks_;
    if (answers) {
        controls_.directories->openDrive(drive);
        return;
    }
    // The drive went away: show the drive of the open directory again.
    controls_.drives->setDrive(directory());
    emit driveUnavailable();
}

}  // namespace dirnal::ui
