#pragma once

#include <QAbstractItemView>

namespace dirnal::ui {

// An item view that tells assistive technology of its new current item as
// the focus only while it has the keyboard focus. Qt's list views report
// every change of the current item as a focus event, also one the program
// makes while the keys go to a button: a screen reader then follows the list
// and the user presses keys on a control other than the one announced.
template <typename View>
class FocusTrueView : public View {
public:
    using View::View;

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override
    {
        if (this->hasFocus())
            View::currentChanged(current, previous);
        else
            QAbstractItemView::currentChanged(current, previous);  // all of it but the focus event
    }
};

}  // namespace dirnal::ui
