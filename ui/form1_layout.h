#pragma once

#include <cstdint>
#include <span>

namespace dirnal::ui {

enum class ControlKind {
    Label,        // plain text
    BorderLabel,  // text in a single-line border
    CloseBox,     // "X" label that closes a panel
    Button,
    ImageButton,  // picture used as a button
    StatusImage,  // picture that only shows a state
    TextBox,
    PathList,
    GroupFrame,   // frame with border and caption
    StartPanel,   // the start-position panel, over the path list
    ListFilePanel,  // the list-file panel, over the path list
    Area,         // frame without caption or border
    DriveList,
    DirList,
    FileList,
};

inline constexpr std::uint32_t kNoColour = 0xFFFFFFFFu;

// The pale orange of the single-path box (red 255, green 224, blue 192).
inline constexpr std::uint32_t kSinglePathBackground = 0xFFE0C0;

enum class ControlFont {
    Window,       // the window's font
    TitleSerif,   // the window's title line: serif 9.75 pt bold
    SmallSerif,   // the small conversion buttons: serif 6 pt
};

// One control of the main window. Positions in twips, relative to the
// parent (the window's client area when parent is empty). Colours are
// 0xRRGGBB.
struct ControlRow {
    const char* name;
    const char* parent;
    ControlKind kind;
    const char* caption;
    const char* toolTip;
    int left, top, width, height;
    bool visible;
    std::uint32_t textColour = kNoColour;
    std::uint32_t backColour = kNoColour;
    ControlFont font = ControlFont::Window;
};

// Parents come before their children.
std::span<const ControlRow> form1Controls();

// The window's designed client area.
inline constexpr int kDesignWidthTwips = 10995;
inline constexpr int kDesignHeightTwips = 5385;
inline constexpr int kStartWidthTwips = 7620;
// Wide enough to show the find area at the right of the tool area.
inline constexpr int kFindAreaWidthTwips = 10560;

}  // namespace dirnal::ui
