#pragma once
// Where the game's window goes: full screen, or a window of a kept size and place. The
// game keeps it between runs; a kept place that no longer fits (a smaller screen, a
// monitor gone) is pulled onto the screen, as is the first window on a small screen.
struct WindowPlacement {
    bool fullscreen = true;
    // The window's inside (the picture), in the desktop's coordinates.
    int left = 100;
    int top = 100;
    int width = 940;
    int height = 700;

    bool operator==(const WindowPlacement& o) const {
        return fullscreen == o.fullscreen && left == o.left && top == o.top && width == o.width && height == o.height;
    }
    bool operator!=(const WindowPlacement& o) const { return !(*this == o); }
};

// The usable part of a screen (without panels), in the desktop's coordinates.
struct ScreenArea {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// What the window manager's frame may take around the inside when it cannot be asked yet:
// a title bar above, a thin border elsewhere.
constexpr int kFrameTop = 40;
constexpr int kFrameSide = 8;
constexpr int kSmallestWindowWidth = 320;
constexpr int kSmallestWindowHeight = 240;

// The placement with its window, frame included, inside the area: shrunk with its shape
// kept when it is too large, then moved no further than needed. A placement that fits is
// returned as it is.
WindowPlacement fitOnScreen(const WindowPlacement& wanted, const ScreenArea& area);
