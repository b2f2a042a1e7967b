#pragma once
// The arithmetic of one frame step, apart from the devices so that it can be checked.
#include <cstdint>

// Seconds since the previous frame. lastFrameTime 0 means no frame has run yet: the first
// frame gets 0. The difference is unsigned 32-bit, so the wrap of the millisecond counter
// still gives the small true value. No clamp: a long stall is one long step.
inline float advanceFrameClock(std::uint32_t& lastFrameTime, std::uint32_t now)
{
    if (lastFrameTime == 0)
        lastFrameTime = now;
    const std::uint32_t elapsed = now - lastFrameTime;
    lastFrameTime = now;
    return static_cast<float>(elapsed / 1000.0);
}

// The screen every menu and the pointer are laid out on.
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

// The cursor moved by this frame's mouse counts, kept on the 1024x768 screen (both ends
// allowed), so moving back from beyond an edge starts at the edge at once.
inline void moveCursor(float& x, float& y, float dx, float dy)
{
    x += dx;
    y += dy;
    if (x < 0.0f) x = 0.0f;
    if (x > 1024.0f) x = 1024.0f;
    if (y < 0.0f) y = 0.0f;
    if (y > 768.0f) y = 768.0f;
}
