#pragma once

#include <QWidget>

namespace dirnal::ui {

// A panel that lies over the path list: filled background, its outline
// drawn by four lines along its edges.
class OutlinePanel : public QWidget {
    Q_OBJECT
public:
    explicit OutlinePanel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace dirnal::ui
