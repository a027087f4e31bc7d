#include "ui/path_list_model.h"

namespace dirnal::ui {

PathListModel::PathListModel(const PathList& list, QObject* parent)
    : QAbstractListModel(parent), list_(list), rows_(list.count())
{
}

int PathListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

QVariant PathListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows_ || index.row() >= list_.count())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return QString::fromStdString(list_.entryAt(index.row()));
    return {};
}

bool PathListModel::follow(const ListChange& change)
{
    using Kind = ListChange::Kind;
    if (change.kind == Kind::Appended && change.first == rows_) {
        beginInsertRows({}, change.first, change.last);
        rows_ = change.last + 1;
        endInsertRows();
    } else if (change.kind == Kind::Rewritten && change.last < rows_) {
        emit dataChanged(index(change.first), index(change.last));
    } else if (change.kind == Kind::Rebuilt || rows_ != list_.count()) {
        beginResetModel();
        rows_ = list_.count();
        endResetModel();
        return true;
    }
    return false;
}

}  // namespace dirnal::ui
