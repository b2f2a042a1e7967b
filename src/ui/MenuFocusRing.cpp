#include "ui/MenuFocusRing.h"

#include "ui/GUIStyle.h"

#include <cstdint>

namespace {

// A rectangular ring `thickness` pixels wide whose inside is the rectangle r grown by
// `out` pixels on every side.
void ring(GUIStyle& style, const FocusRect& r, int out, int thickness, std::uint32_t colour)
{
    const int x = r.x - out - thickness;
    const int y = r.y - out - thickness;
    const int w = r.width + 2 * (out + thickness);
    const int h = r.height + 2 * (out + thickness);
    style.drawSolid(x, y, w, thickness, colour);
    style.drawSolid(x, y + h - thickness, w, thickness, colour);
    style.drawSolid(x, y + thickness, thickness, h - 2 * thickness, colour);
    style.drawSolid(x + w - thickness, y + thickness, thickness, h - 2 * thickness, colour);
}

std::uint32_t withAlpha(std::uint32_t colour, std::uint32_t alpha)
{
    return (colour & 0x00FFFFFFu) | (alpha << 24);
}

} // namespace

void drawMenuFocusRing(GUIStyle* style, const FocusRect& around)
{
    if (!style)
        return;
    const std::uint32_t highlight = style->colours[3];
    ring(*style, around, 0, 1, withAlpha(style->colours[7], 0xB0));
    ring(*style, around, 1, 2, highlight);
    ring(*style, around, 3, 2, withAlpha(highlight, 0x80));
    ring(*style, around, 5, 2, withAlpha(highlight, 0x38));
}
