#pragma once

#include <QFont>

namespace dirnal::ui {

// The font of every control that has no font of its own: metric-compatible
// with the classic sans-serif, and at 7.5 pt every caption fits its box.
inline QFont windowFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(7.5);
    return font;
}

}  // namespace dirnal::ui
