#include "ui/directory_list.h"

#include <QStyle>

#include "core/path_style.h"
#include "platform/native_path_style.h"
#include "ui/folder_list_model.h"
#include "ui/list_look.h"

namespace dirnal::ui {

DirectoryList::DirectoryList(QWidget* parent)
    : QListView(parent),
      model_(new FolderListModel(style()->standardIcon(QStyle::SP_DirOpenIcon),
                                 style()->standardIcon(QStyle::SP_DirClosedIcon), this))
{
    setModel(model_);
    setUniformItemSizes(true);
    // A folder left before its listing began is never read; one stalled
    // share holds up only its own reader, not the folder opened next.
    readers_.setMaxThreadCount(4);
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

DirectoryList::~DirectoryList()
{
    // A listing still running reads through the lister and reports here; a
    // window closed meanwhile waits for it (never for those queued behind).
    readers_.clear();
    readers_.waitForDone();
}

bool DirectoryList::setPath(const std::string& path)
{
    if (!lister_ || !lister_->dirExists(path))
        return false;
    const std::string normal = directoryPathForm(path, nativePathStyle());
    if (normal == path_)
        return true;
    path_ = normal;
    lastPathOnDrive_[driveOf_(path_)] = path_;
    showPath();
    emit pathChanged();
    return true;
}

void DirectoryList::openDrive(const std::string& drive)
{
    if (!path_.empty() && driveOf_(path_) == drive)
        return;
    const auto last = lastPathOnDrive_.find(drive);
    if (last != lastPathOnDrive_.end() && setPath(last->second))
        return;
    setPath(drive);
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

    const unsigned shown = ++shownPath_;
    readers_.clear();
    readers_.start([this, lister = lister_, shown, folder = path_, depth = model_->openRow() + 1] {
        auto rows = FolderListModel::rowsFor(lister->list(folder).subdirectories, depth);
        QMetaObject::invokeMethod(
            this,
            [this, shown, rows = std::move(rows)]() mutable {
                if (shown != shownPath_)
                    return;
                model_->setSubdirectories(std::move(rows));
                setCurrentIndex(model_->index(model_->openRow()));
                emit subdirectoriesShown();
            },
            Qt::QueuedConnection);
    });
}

}  // namespace dirnal::ui
