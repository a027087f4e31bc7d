#pragma once

#include <QRect>

#include <cmath>

namespace dirnal::ui {

// Every place and size is given in twips; 15 twips are one pixel at 96 dpi
// and Qt's high-DPI scaling does the rest.
inline constexpr double kTwipsPerPixel = 15.0;

inline int twipsToPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
inline double pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

}  // namespace dirnal::ui
