#pragma once

#include <QLabel>

namespace dirnal::ui {

// A one-line text in a box of fixed size, such as the status line: a text
// wider than the box is drawn in a smaller font, no smaller than can still
// be read, and beyond that cut short with "…", the whole text then in the
// tooltip. The label's text stays the whole text, so assistive technology
// reads all of it and is told of every change.
class FittingLabel : public QLabel {
    Q_OBJECT
public:
    static constexpr qreal kSmallestPointSize = 6.0;

    explicit FittingLabel(QWidget* parent = nullptr);

    // Where a text too wide for the smallest font is cut: at its end, or in
    // its middle, so that a path keeps its last folder.
    void setElideMode(Qt::TextElideMode mode);
    // Hides QLabel::setText so that the text is fitted at once.
    void setText(const QString& text);

    // The font and the text as drawn; the text ends in "…" when cut short.
    const QFont& shownFont() const { return shownFont_; }
    const QString& shownText() const { return shownText_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fit();
    QRect textArea() const;

    Qt::TextElideMode elideMode_ = Qt::ElideRight;
    QFont shownFont_;
    QString shownText_;
    QString fittedText_;  // the text the two above were fitted for
};

}  // namespace dirnal::ui
