#include "ui/file_list.h"

#include "core/path_style.h"
#include "platform/dir_exists.h"
#include "platform/native_path_style.h"

namespace dirnal::ui {

FileList::FileList(std::string pattern, QWidget* parent) : QListWidget(parent), pattern_(std::move(pattern))
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void FileList::setDirectory(const std::string& directory)
{
    directory_ = directory;
    clear();
    // POSIX names match exactly, letter case included.
    const std::string candidate = joinPath(directory, pattern_, nativePathStyle());
    if (FileExists(candidate))
        addItem(QString::fromStdString(pattern_));
}

std::string FileList::selectedFileName() const
{
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->text().toStdString() : std::string();
}

}  // namespace dirnal::ui
