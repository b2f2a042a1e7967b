#pragma once
// Where the pictures of the GUI atlas "gui.png" lie. The widgets, screens and the GUI style
// read these rectangles, and the asset generator paints the atlas to match them.
namespace GuiAtlas {

struct Rect {
    int x, y, width, height;
};

inline constexpr int Width = 1024;
inline constexpr int Height = 1024;

// White texels stretched into solid rectangles and tinted.
inline constexpr Rect SolidBlock{1, 1, 2, 2};

// The button background: two caps and a strip stretched between them, 40 pixels high.
inline constexpr Rect ButtonLeftCap{62, 0, 10, 40};
inline constexpr Rect ButtonMiddle{72, 0, 2, 40};
inline constexpr Rect ButtonRightCap{427, 0, 12, 40};

// The frame drawn around panels: corners and the edges stretched between them.
inline constexpr Rect FrameTopLeft{445, 3, 10, 10};
inline constexpr Rect FrameTopRight{460, 3, 12, 10};
inline constexpr Rect FrameBottomLeft{445, 21, 10, 12};
inline constexpr Rect FrameBottomRight{460, 21, 12, 12};
inline constexpr Rect FrameTop{455, 3, 2, 10};
inline constexpr Rect FrameRight{460, 13, 12, 2};
inline constexpr Rect FrameBottom{455, 21, 2, 12};
inline constexpr Rect FrameLeft{445, 13, 10, 2};

// White selector arrows, tinted by the selector.
inline constexpr Rect ArrowLeft{476, 2, 8, 18};
inline constexpr Rect ArrowRight{476, 22, 8, 18};

// List sprites: profile icon and the opponent marks (beaten / open / still locked).
inline constexpr Rect ProfileIcon{4, 44, 16, 16};
inline constexpr Rect UnlockedMark{22, 44, 16, 16};
inline constexpr Rect LockedMark{40, 44, 16, 16};
inline constexpr Rect BeatenMark{4, 62, 16, 16};

inline constexpr Rect Logo{490, 0, 333, 95};
inline constexpr Rect GoalBanner{0, 80, 315, 105};
inline constexpr Rect MenuBackground{0, 350, 1024, 660};

}  // namespace GuiAtlas
