#include "ui/file_list.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "core/path_style.h"
#include "platform/native_path_style.h"
#include "ui/ask_beside_event_loop.h"
#include "ui/list_look.h"

namespace dirnal::ui {

FileList::FileList(QWidget* parent) : FocusTrueView(parent)
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

void FileList::initViewItemOption(QStyleOptionViewItem* option) const
{
    QListWidget::initViewItemOption(option);
    keepActiveColours(*this, *option);
}

void FileList::paintEvent(QPaintEvent* event)
{
    QListWidget::paintEvent(event);
    markFocusWithoutCurrentEntry(*this);
}

void FileList::setDirectory(const std::string& directory)
{
    clear();
    if (!files_)
        return;
    // POSIX names match exactly, letter case included. Asked beside the
    // event loop: a share that does not answer leaves the list empty.
    const unsigned shown = ++shownDirectory_;
    askBesideEventLoop<bool>(
        *this, [files = files_, file = joinPath(directory, kListFileName, nativePathStyle())] { return files->isFile(file); },
        [this, shown](bool there) {
            if (shown != shownDirectory_ || !there)
                return;
            addItem(QString::fromUtf8(kListFileName.data(), static_cast<qsizetype>(kListFileName.size())));
            // As a list given the focus with a file in it would have it.
            if (hasFocus() && !currentItem())
                setCurrentRow(0, QItemSelectionModel::NoUpdate);
        });
}

std::string FileList::selectedFileName() const
{
    // The list holds the list file or nothing.
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? std::string(kListFileName) : std::string();
}

}  // namespace dirnal::ui
