#pragma once

#include <QAbstractButton>
#include <QIcon>

namespace dirnal::ui {

// A small picture that acts as a button: hand pointer, no frame. To
// assistive technology it is a button named by its tooltip.
class ImageButton final : public QAbstractButton {
    Q_OBJECT
public:
    explicit ImageButton(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace dirnal::ui
