#include "ui/directory_list.h"

#include <QStyle>

#include "core/path_style.h"
#include "platform/native_path_style.h"

namespace dirnal::ui {

namespace {
constexpr int kPathRole = Qt::UserRole;

QString displayName(const std::string& fullPath)
{
    return QString::fromStdString(folderDisplayName(fullPath, nativePathStyle()));
}
}  // namespace

DirectoryList::DirectoryList(const DirectoryLister& lister, DriveOf driveOf, QWidget* parent)
    : QListWidget(parent), lister_(lister), driveOf_(std::move(driveOf))
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        setPath(item->data(kPathRole).toByteArray().toStdString());
    });
}

bool DirectoryList::setPath(const std::string& path)
{
    if (!lister_.dirExists(path))
        return false;
    const std::string normal = directoryPathForm(path, nativePathStyle());
    if (normal == path_)
        return true;
    path_ = normal;
    lastPathOnDrive_[driveOf_(path_)] = path_;
    showPath();
    emit pathChanged(QString::fromStdString(path_));
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

void DirectoryList::showPath()
{
    clear();
    const QIcon openFolder = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedFolder = style()->standardIcon(QStyle::SP_DirClosedIcon);

    int depth = 0;
    QListWidgetItem* open = nullptr;
    for (const std::string& folder : folderChain(path_, nativePathStyle())) {
        auto* item = new QListWidgetItem(openFolder, displayName(folder), this);
        item->setData(kPathRole, QByteArray::fromStdString(folder));
        item->setData(Qt::AccessibleTextRole, QString::fromStdString(folder));
        item->setText(QString(depth, u' ') + item->text());
        ++depth;
        open = item;
    }
    const DirectoryListing listing = lister_.list(path_);
    for (const std::string& child : listing.subdirectories) {
        auto* item = new QListWidgetItem(closedFolder, QString(depth, u' ') + displayName(child), this);
        item->setData(kPathRole, QByteArray::fromStdString(child));
        item->setData(Qt::AccessibleTextRole, QString::fromStdString(child));
    }
    setCurrentItem(open);
}

}  // namespace dirnal::ui
