#include "ui/path_list_model.h"

namespace dirnal::ui {

PathListModel::PathListModel(const PathList& list, QObject* parent)
    : QAbstractListModel(parent), list_(list)
{
}

int PathListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : list_.count();
}

QVariant PathListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= list_.count())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return QString::fromStdString(list_.entryAt(index.row()));
    return {};
}

void PathListModel::reload()
{
    beginResetModel();
    endResetModel();
}

}  // namespace dirnal::ui
