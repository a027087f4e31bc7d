#include "ui/path_list_view.h"

#include <QMouseEvent>

#include <algorithm>
#include <vector>

#include "ui/list_look.h"
#include "ui/path_list_model.h"

namespace dirnal::ui {

PathListView::PathListView(QWidget* parent) : FocusTrueView(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

PathListView::~PathListView()
{
    if (session_)
        session_->removeListener(*this);
}

void PathListView::setSession(Session& session)
{
    session_ = &session;
    model_ = new PathListModel(session.list(), this);
    setModel(model_);
    session.addListener(*this);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &PathListView::selectedInView);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) { madeCurrentInView(current); });
    showSelection(0, session.list().count() - 1);
    showCurrent();
}

void PathListView::listChanged(const ListChange& change)
{
    // A model reset cleared the view's selection and current entry.
    const bool reset = model_->follow(change);
    switch (reset ? ListChange::Kind::Rebuilt : change.kind) {
    case ListChange::Kind::Rebuilt:
        showSelection(0, session_->list().count() - 1);
        showCurrent();
        break;
    case ListChange::Kind::Selection:
        showSelection(change.first, change.last);
        break;
    case ListChange::Kind::Current:
        showCurrent();
        break;
    case ListChange::Kind::Rewritten:
    case ListChange::Kind::Appended:
        break;
    }
}

void PathListView::showSelection(int first, int last)
{
    const PathList& list = session_->list();
    first = std::max(first, 0);
    last = std::min(last, list.count() - 1);
    if (first > last)
        return;
    // The view's selection as flags, in time linear in rows and ranges.
    std::vector<char> shown(static_cast<std::size_t>(last - first + 1), 0);
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int row = std::max(range.top(), first); row <= std::min(range.bottom(), last); ++row)
            shown[static_cast<std::size_t>(row - first)] = 1;
    bool same = true;
    for (int row = first; row <= last && same; ++row)
        same = list.isSelected(row) == (shown[static_cast<std::size_t>(row - first)] != 0);
    // What the user selects comes back here as the session's own: left
    // alone, so that a selection the user is still dragging is not cut.
    if (same)
        return;
    // One selection of ranges, not one call per entry.
    QItemSelection selection;
    for (int row = 0; row < list.count();) {
        if (!list.isSelected(row)) {
            ++row;
            continue;
        }
        const int start = row;
        while (row < list.count() && list.isSelected(row))
            ++row;
        selection.select(model_->index(start), model_->index(row - 1));
    }
    // Cleared first, then selected: Qt compares two large selections range
    // by range, where against an empty one it needs no comparison.
    showingSession_ = true;
    selectionModel()->clearSelection();
    selectionModel()->select(selection, QItemSelectionModel::Select);
    showingSession_ = false;
}

void PathListView::showCurrent()
{
    const int current = session_->list().currentIndex();
    const QModelIndex index = current >= 0 ? model_->index(current) : QModelIndex();
    if (selectionModel()->currentIndex() != index)
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
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
        session_->clickEntry(pressed.row());
}

void PathListView::keyPressEvent(QKeyEvent* event)
{
    userAction_ = true;
    QListView::keyPressEvent(event);
    userAction_ = false;
}

void PathListView::initViewItemOption(QStyleOptionViewItem* option) const
{
    QListView::initViewItemOption(option);
    keepActiveColours(*this, *option);
}

void PathListView::paintEvent(QPaintEvent* event)
{
    QListView::paintEvent(event);
    markFocusWithoutCurrentEntry(*this);
}

void PathListView::selectedInView(const QItemSelection& selected, const QItemSelection& deselected)
{
    if (showingSession_)
        return;
    std::vector<SelectionRange> ranges;
    for (const QItemSelectionRange& range : deselected)
        ranges.push_back({range.top(), range.bottom(), false});
    for (const QItemSelectionRange& range : selected)
        ranges.push_back({range.top(), range.bottom(), true});
    session_->selectEntries(ranges);
}

void PathListView::madeCurrentInView(const QModelIndex& current)
{
    if (current.isValid() && userAction_)
        session_->clickEntry(current.row());
}

}  // namespace dirnal::ui
