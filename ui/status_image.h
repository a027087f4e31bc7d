#pragma once

#include <QLabel>

namespace dirnal::ui {

// A small picture that shows a state (whether the chosen entry exists),
// with the hand pointer of the window's pictures.
class StatusImage final : public QLabel {
    Q_OBJECT
public:
    explicit StatusImage(QWidget* parent = nullptr) : QLabel(parent)
    {
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setCursor(Qt::PointingHandCursor);
    }
};

}  // namespace dirnal::ui
