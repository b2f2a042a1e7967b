#pragma once
// One glyph of a bitmap font: where its picture lies in the font texture and how far below
// the pen's y it is drawn, so that small letters sit on the baseline of the capitals.
#include <cstdint>

struct Glyph {
    int32_t sourceX = 0;
    int32_t sourceY = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t yOffset = 0;
};
