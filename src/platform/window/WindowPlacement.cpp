#include "platform/window/WindowPlacement.h"

#include <algorithm>

WindowPlacement fitOnScreen(const WindowPlacement& wanted, const ScreenArea& area)
{
    WindowPlacement p = wanted;
    const int maxWidth = area.width - 2 * kFrameSide;
    const int maxHeight = area.height - kFrameTop - kFrameSide;
    if (maxWidth < kSmallestWindowWidth || maxHeight < kSmallestWindowHeight)
        return p;  // no screen to speak of: leave it to the window manager
    p.width = std::max(p.width, kSmallestWindowWidth);
    p.height = std::max(p.height, kSmallestWindowHeight);
    if (p.width > maxWidth || p.height > maxHeight) {
        const double scale = std::min(static_cast<double>(maxWidth) / p.width, static_cast<double>(maxHeight) / p.height);
        p.width = std::max(kSmallestWindowWidth, static_cast<int>(p.width * scale));
        p.height = std::max(kSmallestWindowHeight, static_cast<int>(p.height * scale));
    }
    const int lowestLeft = area.x + kFrameSide, highestLeft = area.x + area.width - kFrameSide - p.width;
    const int lowestTop = area.y + kFrameTop, highestTop = area.y + area.height - kFrameSide - p.height;
    p.left = std::clamp(p.left, lowestLeft, std::max(lowestLeft, highestLeft));
    p.top = std::clamp(p.top, lowestTop, std::max(lowestTop, highestTop));
    return p;
}
