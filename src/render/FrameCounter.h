#pragma once
// Frames per second over whole 1000 ms windows of the millisecond clock (which wraps, so
// the difference is taken unsigned). The first frame shows 0 and starts the first window.
#include <cstdint>

struct FrameCounter {
    std::uint32_t windowStart = 0;
    int counter = 0;
    int shown = 0;

    int tick(std::uint32_t now) {
        if (now - windowStart >= 1000u) {
            shown = counter;
            counter = 0;
            windowStart = now;
        }
        ++counter;
        return shown;
    }
};
