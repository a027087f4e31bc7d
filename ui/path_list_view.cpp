#include "ui/path_list_view.h"

#include <QMouseEvent>

#include "ui/path_list_model.h"

namespace dirnal::ui {

PathListView::PathListView(QWidget* parent) : QListView(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void PathListView::setPathList(PathList* list)
{
    list_ = list;
    model_ = new PathListModel(*list, this);
    setModel(model_);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &PathListView::takeSelectionFromView);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) { takeCurrentFromView(current); });
}

void PathListView::showList()
{
    showing_ = true;
    model_->reload();
    // One selection of ranges, not one call per entry.
    QItemSelection selection;
    const int count = list_->count();
    for (int row = 0; row < count;) {
        if (!list_->isSelected(row)) {
            ++row;
            continue;
        }
        const int first = row;
        while (row < count && list_->isSelected(row))
            ++row;
        selection.select(model_->index(first), model_->index(row - 1));
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    const int current = list_->currentIndex();
    selectionModel()->setCurrentIndex(current >= 0 ? model_->index(current) : QModelIndex(),
                                      QItemSelectionModel::NoUpdate);
    showing_ = false;
}

void PathListView::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex before = currentIndex();
    userAction_ = true;
    QListView::mousePressEvent(event);
    userAction_ = false;
    // A click on the entry that already is current changes nothing in the
    // selection model, but the user still expects it to be checked again.
    const QModelIndex pressed = indexAt(event->position().toPoint());
    if (pressed.isValid() && pressed == before && currentIndex() == before)
        emit entryMadeCurrent(pressed.row());
}

void PathListView::keyPressEvent(QKeyEvent* event)
{
    userAction_ = true;
    QListView::keyPressEvent(event);
    userAction_ = false;
}

void PathListView::takeSelectionFromView(const QItemSelection& selected, const QItemSelection& deselected)
{
    if (showing_)
        return;
    for (const QItemSelectionRange& range : deselected)
        for (int row = range.top(); row <= range.bottom(); ++row)
            list_->setSelected(row, false);
    for (const QItemSelectionRange& range : selected)
        for (int row = range.top(); row <= range.bottom(); ++row)
            list_->setSelected(row, true);
}

void PathListView::takeCurrentFromView(const QModelIndex& current)
{
    if (showing_)
        return;
    list_->setCurrentIndex(current.isValid() ? current.row() : -1);
    if (current.isValid() && userAction_)
        emit entryMadeCurrent(current.row());
}

}  // namespace dirnal::ui
