#pragma once

#include <QAbstractItemView>
#include <QStyleOptionViewItem>

#include "ui/focus_mark.h"

namespace dirnal::ui {

// Qt draws the entries of a list that lacks the focus in the palette's
// inactive colours, and some themes grey the text there or fade the
// selection almost to the background: what the find box selects could not
// be seen. A list of this window keeps the active colours as long as its
// window is active; a window in the background is dimmed as the theme has it.
inline void keepActiveColours(const QWidget& list, QStyleOptionViewItem& option)
{
    if (list.isActiveWindow())
        option.state |= QStyle::State_Active;
}

// A list with the focus but no current entry, an empty one above all, has
// no entry for the style to frame: it shows the mark where its first entry
// is, as list boxes of old did. Called after the list has drawn itself.
inline void markFocusWithoutCurrentEntry(QAbstractItemView& list)
{
    if (!list.hasFocus() || list.currentIndex().isValid())
        return;
    QPainter painter(list.viewport());
    drawFocusMark(painter, QRect(0, 0, list.viewport()->width(), list.fontMetrics().height() + 2),
                  list.palette().color(QPalette::Text));
}

}  // namespace dirnal::ui
