#pragma once

#include <QFont>

namespace dirnal::ui {

// A font of the Liberation family where it is installed (Linux), else the
// classic Windows font it is metric-compatible with, so that every caption
// measures the same on both.
inline QFont liberationOr(const QString& liberation, const QString& windows, qreal pointSize)
{
    QFont font(liberation);
    font.setFamilies({liberation, windows});
    font.setPointSizeF(pointSize);
    return font;
}

// The font of every control that has no font of its own: at 7.5 pt every
// caption fits its box.
inline QFont windowFont()
{
    return liberationOr(QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), 7.5);
}

}  // namespace dirnal::ui
