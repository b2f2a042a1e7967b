#pragma once
// The sizes of the game's window that the layers above it need, without SDL. The game's
// window (GameWindow) gives them; tests give their own.
class WindowMetrics {
public:
    virtual ~WindowMetrics() = default;
    // The window's outer size in pixels, its frame included where the window system tells
    // it; false, with width and height left as they were, when there is no window.
    virtual bool outerSize(int& width, int& height) const = 0;
};
