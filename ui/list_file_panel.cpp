#include "ui/list_file_panel.h"

#include <QAbstractButton>

#include "ui/file_list.h"

namespace dirnal::ui {

ListFilePanel::ListFilePanel(Controls controls, FileList* files, QAbstractButton* saveHere,
                             const FileStorage& storage, const Sources& sources, QObject* parent)
    : FolderPanel(controls, {StoredFolder::ListFileDirectory, StoredFolder::ListFileDrive}, sources, parent),
      files_(files),
      saveHere_(saveHere)
{
    files_->setStorage(storage);
    setDefaultButton(saveHere_);
    connect(saveHere_, &QAbstractButton::clicked, this, &ListFilePanel::saveHereChosen);
    connect(files_, &FileList::fileClicked, this, &ListFilePanel::fileClicked);
    // While shown, the file list follows the open directory; hidden, it is
    // asked again when the panel opens, and not at every report of the
    // folders (a close makes one), as each asks the directory's share.
    connect(this, &FolderPanel::folderChanged, this, [this](StoredFolder folder, const std::string& path) {
        if (folder == StoredFolder::ListFileDirectory && files_->isVisible())
            files_->setDirectory(path);
    });
}

void ListFilePanel::showFor(Mode mode)
{
    const bool open = mode == Mode::Open;
    // Files may have come or gone since the directory was opened.
    files_->setDirectory(directory());
    files_->setVisible(open);
    files_->setEnabled(true);
    saveHere_->setVisible(!open);
    showFocused(open ? files_ : directoryList());
}

std::string ListFilePanel::chosenFileName() const
{
    return files_->selectedFileName();
}

}  // namespace dirnal::ui
