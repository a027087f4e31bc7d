#pragma once

#include <QAbstractListModel>

#include "core/path_list.h"

namespace dirnal::ui {

// Shows the core path list to a view. The list is owned elsewhere; the
// model follows each change of it as the session announces it, so that
// the view redraws just what changed.
class PathListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    explicit PathListModel(const PathList& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The entries and the rows after a change of the list; true when the
    // model was reset for it.
    bool follow(const ListChange& change);

private:
    const PathList& list_;
    // The rows the views have been told of; the list may hold more or fewer
    // until its change is followed.
    int rows_ = 0;
};

}  // namespace dirnal::ui
