#include "ui/list_file_panel.h"

#include <QPushButton>

#include "ui/file_list.h"

namespace dirnal::ui {

ListFilePanel::ListFilePanel(const DirectoryLister& lister, DriveSelector::DriveSource drives, QWidget* parent)
    : FolderPanel("Dateiauswahl", {StoredFolder::ListFileDirectory, StoredFolder::ListFileDrive}, lister,
                  std::move(drives), parent)
{
    files_ = findChild<FileList*>(QStringLiteral("File_file"));
    auto* saveHere = findChild<QPushButton*>(QStringLiteral("cmd_hier"));
    saveHere_ = saveHere;
    connect(saveHere, &QPushButton::clicked, this, &ListFilePanel::saveHereChosen);
    connect(files_, &FileList::fileClicked, this, &ListFilePanel::fileClicked);
    connect(this, &FolderPanel::folderChanged, this, [this](StoredFolder folder, const std::string& path) {
        if (folder == StoredFolder::ListFileDirectory)
            files_->setDirectory(path);
    });
}

void ListFilePanel::showFor(Mode mode)
{
    const bool open = mode == Mode::Open;
    // Files may have come or gone since the directory was opened.
    files_->setDirectory(directory());
    show();
    raise();
    files_->setVisible(open);
    files_->setEnabled(true);
    saveHere_->setVisible(!open);
}

std::string ListFilePanel::chosenFileName() const
{
    return files_->selectedFileName();
}

}  // namespace dirnal::ui
