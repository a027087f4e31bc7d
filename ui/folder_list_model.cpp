#include "ui/folder_list_model.h"

#include "core/path_style.h"
#include "platform/native_path_style.h"

namespace dirnal::ui {

FolderListModel::FolderListModel(QIcon openFolder, QIcon closedFolder, QObject* parent)
    : QAbstractListModel(parent), openFolder_(std::move(openFolder)), closedFolder_(std::move(closedFolder))
{
}

int FolderListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant FolderListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return row.text;
    case Qt::DecorationRole:
        return index.row() < chainLength_ ? openFolder_ : closedFolder_;
    case Qt::AccessibleTextRole:
        return QString::fromStdString(row.path);
    default:
        return {};
    }
}

std::vector<FolderListModel::Row> FolderListModel::rowsFor(const std::vector<std::string>& folders, int depth)
{
    std::vector<Row> rows;
    rows.reserve(folders.size());
    for (const std::string& folder : folders)
        rows.push_back({folder, QString(depth, u' ') +
                                    QString::fromStdString(folderDisplayName(folder, nativePathStyle()))});
    return rows;
}

void FolderListModel::setChain(const std::vector<std::string>& folders)
{
    beginResetModel();
    rows_.clear();
    for (std::size_t depth = 0; depth < folders.size(); ++depth)
        rows_.push_back(std::move(rowsFor({folders[depth]}, static_cast<int>(depth)).front()));
    chainLength_ = static_cast<int>(rows_.size());
    endResetModel();
}

void FolderListModel::setSubdirectories(std::vector<Row> rows)
{
    beginResetModel();
    rows_.resize(static_cast<std::size_t>(chainLength_));
    std::move(rows.begin(), rows.end(), std::back_inserter(rows_));
    endResetModel();
}

}  // namespace dirnal::ui
