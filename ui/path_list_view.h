#pragma once

#include <QListView>

#include "core/path_list.h"

namespace dirnal::ui {

class PathListModel;

// The view of the path list (extended selection). What the user selects is
// written into the list's selected flags at once; after a core operation
// showList() makes the view show the list again, selection and current
// entry included.
class PathListView final : public QListView {
    Q_OBJECT
public:
    explicit PathListView(QWidget* parent = nullptr);

    void setPathList(PathList* list);
    void showList();

signals:
    // The user made an entry current (click, also on the entry that already
    // is current, or keyboard movement).
    void entryMadeCurrent(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void takeSelectionFromView(const QItemSelection& selected, const QItemSelection& deselected);
    void takeCurrentFromView(const QModelIndex& current);

    PathList* list_ = nullptr;
    PathListModel* model_ = nullptr;
    bool showing_ = false;
    // True while a mouse press or key press of the user is handled: only
    // then does a new current entry count as made current by the user (not
    // when the view takes the focus and picks a current entry of its own).
    bool userAction_ = false;
};

}  // namespace dirnal::ui
