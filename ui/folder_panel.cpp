#include "ui/folder_panel.h"

#include <QToolButton>

#include "ui/control_builder.h"
#include "ui/directory_list.h"
#include "ui/file_list.h"

namespace dirnal::ui {

FolderPanel::FolderPanel(const char* name, Folders folders, const DirectoryLister& lister,
                         DriveSelector::DriveSource drives, QWidget* parent)
    : OutlinePanel(parent), folders_(folders), lister_(lister)
{
    buildControls(this, name, [&](const ControlRow& row, QWidget* container) -> QWidget* {
        switch (row.kind) {
        case ControlKind::DriveList:
            return drives_ = new DriveSelector(drives, container);
        case ControlKind::DirList:
            return directories_ = new DirectoryList(
                       lister, [this](const std::string& path) { return drives_->driveOf(path); }, container);
        case ControlKind::FileList:
            return new FileList(row.caption, container);
        default:
            return nullptr;
        }
    });
    for (auto* closeBox : findChildren<QToolButton*>())
        connect(closeBox, &QToolButton::clicked, this, &QWidget::hide);

    connect(drives_, &DriveSelector::driveChanged, this, &FolderPanel::driveChosen);
    // A directory list here can reach every mount point, so its drive
    // selector follows it to keep showing the drive of the open directory.
    connect(directories_, &DirectoryList::pathChanged, this, [this] {
        emit folderChanged(folders_.directory, directories_->path());
        drives_->setDrive(directories_->path());
    });
}

const std::string& FolderPanel::directory() const
{
    return directories_->path();
}

std::string FolderPanel::drive() const
{
    return drives_->drive();
}

void FolderPanel::openDirectory(const std::string& path)
{
    directories_->setPath(path);
}

void FolderPanel::open(StoredFolder folder, const std::string& path)
{
    if (folder == folders_.directory)
        directories_->setPath(path);
    else if (folder == folders_.drive)
        drives_->setDrive(path);
}

void FolderPanel::reportFolders()
{
    emit folderChanged(folders_.directory, directory());
    emit folderChanged(folders_.drive, drive());
}

void FolderPanel::driveChosen()
{
    const std::string drive = drives_->drive();
    emit folderChanged(folders_.drive, drive);
    if (lister_.dirExists(drive)) {
        directories_->openDrive(drive);
        return;
    }
    // The drive went away: show the drive of the open directory again.
    drives_->setDrive(directories_->path());
    emit driveUnavailable();
}

}  // namespace dirnal::ui
