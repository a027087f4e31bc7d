#pragma once

#include <QListView>

#include "core/session.h"
#include "ui/focus_true_view.h"

namespace dirnal::ui {

class PathListModel;

// The view of a session's path list (extended selection). It follows each
// change of the list the session announces, selection and current entry
// included; what the user selects, and the entry the user clicks or moves
// to, go to the session. The session must outlive the view.
class PathListView final : public FocusTrueView<QListView>, private SessionListener {
    Q_OBJECT
public:
    explicit PathListView(QWidget* parent = nullptr);
    ~PathListView() override;

    void setSession(Session& session);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void initViewItemOption(QStyleOptionViewItem* option) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    void listChanged(const ListChange& change) override;
    // Shows the session's selection, where it differs from the view's in
    // the rows first..last.
    void showSelection(int first, int last);
    void showCurrent();
    void selectedInView(const QItemSelection& selected, const QItemSelection& deselected);
    void madeCurrentInView(const QModelIndex& current);

    Session* session_ = nullptr;
    PathListModel* model_ = nullptr;
    // True while a mouse press or key press of the user is handled: only
    // then does a new current entry count as chosen by the user (not when
    // the view takes the focus and picks a current entry of its own).
    bool userAction_ = false;
    // True while the view takes over the session's selection: its changes
    // are the session's own, not the user's.
    bool showingSession_ = false;
};

}  // namespace dirnal::ui
