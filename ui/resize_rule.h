#pragma once

namespace dirnal::ui {

// How the main window fits the path list and the tool area to its outer
// size (in twips). The window never gets narrower than 7620 or lower than
// 6200; the list fills the width but for 350.52 and the height but for
// 3180; the tool area's top follows the window's bottom.
struct ResizeLayout {
    double windowWidth;   // after snapping
    double windowHeight;  // after snapping
    double listWidth;
    double listHeight;
    double toolAreaTop;
};

inline constexpr double kMinWindowWidth = 7620;
inline constexpr double kMinWindowHeight = 6200;
inline constexpr double kToolAreaHeight = 1695;

constexpr ResizeLayout resizeLayout(double outerWidth, double outerHeight)
{
    const double width = outerWidth < kMinWindowWidth ? kMinWindowWidth : outerWidth;
    const double height = outerHeight < kMinWindowHeight ? kMinWindowHeight : outerHeight;
    return {width, height, width - 350.52, height - 3180, height - 3960 + kToolAreaHeight};
}

}  // namespace dirnal::ui
