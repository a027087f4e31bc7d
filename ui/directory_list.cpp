#include "ui/directory_list.h"

#include <QKeyEvent>
#include <QStyle>
#include <QTimer>

#include "core/path_style.h"
#include "platform/native_path_style.h"
#include "ui/ask_beside_event_loop.h"
#include "ui/folder_list_model.h"
#include "ui/list_look.h"

namespace dirnal::ui {

DirectoryList::DirectoryList(QWidget* parent)
    : FocusTrueView(parent),
      model_(new FolderListModel(style()->standardIcon(QStyle::SP_DirOpenIcon),
                                 style()->standardIcon(QStyle::SP_DirClosedIcon), this))
{
    setModel(model_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        const std::string folder = model_->path(index.row());
        setPath(folder);
    });
}

void DirectoryList::setLister(const DirectoryLister& lister, DriveOf driveOf)
{
    lister_ = &lister;
    driveOf_ = std::move(driveOf);
}

void DirectoryList::openDirectory(const std::string& path)
{
    const std::string normal = directoryPathForm(path, nativePathStyle());
    if (normal == path_)
        return;
    path_ = normal;
    lastPathOnDrive_[driveOf_(path_)] = path_;
    showPath();
    emit pathChanged();
}

void DirectoryList::setPath(const std::string& path, std::function<void(bool opened)> opened)
{
    if (!lister_)
        return;
    const unsigned request = ++pathRequests_;
    opened_ = std::move(opened);  // one not answered yet is dropped
    viewport()->setCursor(Qt::BusyCursor);
    askBesideEventLoop<bool>(
        *this, [lister = lister_, path] { return lister->dirExists(path); },
        [this, request, path](bool exists) { pathAnswered(request, path, exists); });
    QTimer::singleShot(kFileSystemAnswerTimeout, this, [this, request, path] { pathAnswered(request, path, false); });
}

void DirectoryList::pathAnswered(unsigned request, const std::string& path, bool exists)
{
    if (request != pathRequests_)
        return;  // answered already, or replaced
    ++pathRequests_;
    viewport()->unsetCursor();
    if (exists)
        openDirectory(path);
    if (const std::function<void(bool)> opened = std::exchange(opened_, {}))
        opened(exists);
    else if (!exists)
        emit pathUnavailable();
}

void DirectoryList::openDrive(const std::string& drive)
{
    if (!path_.empty() && driveOf_(path_) == drive)
        return;
    const auto last = lastPathOnDrive_.find(drive);
    if (last == lastPathOnDrive_.end()) {
        setPath(drive);
        return;
    }
    // The folder last open there may have gone since: then the drive's root.
    setPath(last->second, [this, drive](bool opened) {
        if (!opened)
            setPath(drive);
    });
}

void DirectoryList::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QListView::keyPressEvent(event);
        return;
    }
    const QModelIndex highlighted = currentIndex();
    if (highlighted.isValid() && highlighted.row() != model_->openRow())
        setPath(model_->path(highlighted.row()));
    else
        event->ignore();
}

void DirectoryList::initViewItemOption(QStyleOptionViewItem* option) const
{
    QListView::initViewItemOption(option);
    keepActiveColours(*this, *option);
}

void DirectoryList::showPath()
{
    model_->setChain(folderChain(path_, nativePathStyle()));
    setCurrentIndex(model_->index(model_->openRow()));

    // Each listing on a thread of its own: a stalled share holds up only its
    // own, never the folder opened next nor the window's close.
    const unsigned shown = ++shownPath_;
    askBesideEventLoop(*this, [this, lister = lister_, shown, folder = path_, depth = model_->openRow() + 1] {
        return [this, shown, rows = FolderListModel::rowsFor(lister->list(folder).subdirectories, depth)]() mutable {
            if (shown != shownPath_)
                return;
            model_->setSubdirectories(std::move(rows));
            setCurrentIndex(model_->index(model_->openRow()));
            emit subdirectoriesShown();
        };
    });
}

}  // namespace dirnal::ui
