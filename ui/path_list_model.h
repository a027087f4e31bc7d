#pragma once

#include <QAbstractListModel>

#include "core/path_list.h"

namespace dirnal::ui {

// Shows the core path list to a view. The list is owned elsewhere; after a
// core operation the owner calls reload().
class PathListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    explicit PathListModel(const PathList& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void reload();

private:
    const PathList& list_;
};

}  // namespace dirnal::ui
