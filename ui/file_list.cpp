#include "ui/file_list.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "core/path_style.h"
#include "platform/file_exists.h"
#include "platform/native_path_style.h"

namespace dirnal::ui {

FileList::FileList(std::string pattern, QWidget* parent) : QListWidget(parent), pattern_(std::move(pattern))
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void FileList::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        currentItem()->setSelected(true);
        emit fileClicked();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void FileList::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event);
    // A click beside the file leaves nothing selected.
    if (!itemAt(event->position().toPoint()))
        clearSelection();
    if (event->button() == Qt::LeftButton)
        emit fileClicked();
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
