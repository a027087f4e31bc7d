#pragma once

#include <QStyleOptionViewItem>
#include <QWidget>

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

}  // namespace dirnal::ui
