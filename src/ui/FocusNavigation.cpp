#include "ui/FocusNavigation.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

// Widgets side by side may overlap this much (button bars, a list's frame).
constexpr int kOverlap = 8;

// The gap between two ranges on one axis; 0 when they overlap.
int rangeGap(int aStart, int aLength, int bStart, int bLength)
{
    return std::max({0, bStart - (aStart + aLength), aStart - (bStart + bLength)});
}

} // namespace

GUIComponent* nearestInDirection(const std::vector<GUIComponent*>& candidates, const GUIComponent* from,
                                 const FocusRect& fromFocus, MenuKey direction)
{
    if (!from || !isDirection(direction))
        return nullptr;
    const bool horizontal = direction == MenuKey::Left || direction == MenuKey::Right;
    GUIComponent* best = nullptr;
    long bestScore = LONG_MAX;
    for (GUIComponent* c : candidates) {
        if (!c || c == from)
            continue;
        int along = 0;
        switch (direction) {
        case MenuKey::Right:
            if (c->x < from->x + from->width - kOverlap) continue;
            along = c->x - (from->x + from->width);
            break;
        case MenuKey::Left:
            if (c->x + c->width > from->x + kOverlap) continue;
            along = from->x - (c->x + c->width);
            break;
        case MenuKey::Down:
            if (c->y < from->y + from->height - kOverlap) continue;
            along = c->y - (from->y + from->height);
            break;
        default:  // Up
            if (c->y + c->height > from->y + kOverlap) continue;
            along = from->y - (c->y + c->height);
            break;
        }
        along = std::max(0, along);
        const int across = horizontal ? rangeGap(fromFocus.y, fromFocus.height, c->y, c->height)
                                      : rangeGap(fromFocus.x, fromFocus.width, c->x, c->width);
        const int centres = horizontal ? std::abs((2 * fromFocus.y + fromFocus.height) - (2 * c->y + c->height)) / 2
                                       : std::abs((2 * fromFocus.x + fromFocus.width) - (2 * c->x + c->width)) / 2;
        // In quarters of a pixel, so that the centres' share stays whole.
        const long score = 4L * along + 8L * across + centres;
        if (score < bestScore) {
            bestScore = score;
            best = c;
        }
    }
    return best;
}
