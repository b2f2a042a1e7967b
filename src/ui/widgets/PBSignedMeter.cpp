#include "ui/widgets/PBSignedMeter.h"

#include "ui/widgets/WidgetPalette.h"

#include <algorithm>
#include <cmath>

#include "render/Renderer.h"

PBSignedMeter::PBSignedMeter(KRScreen* screen, int meterWidth, int meterHeight, GUIStyle* guiStyle)
    : PBGUIComponent(guiStyle) {
    owner = screen;
    width = meterWidth;
    height = meterHeight;
}

int PBSignedMeter::barLength() const {
    // A value outside -1..1 (or not a number) would draw past the panel.
    float v = std::isnan(value) ? 0.0f : std::clamp(value, -1.0f, 1.0f);
    int halfRoom = (width - 13) / 2;
    return static_cast<int>(static_cast<float>(halfRoom) * v);
}

void PBSignedMeter::draw() {
    if (!style) return;
    style->drawLacquer(x, y, width, height);
    style->drawFrame(x, y, width, height);
    const int centre = x + width / 2;
    style->drawSolid(centre - 1, y + 4, 2, 16, 0xFFFFFFFFu);
    int length = barLength();
    std::uint32_t bar = styleColour(style, WidgetColour::Highlight);
    if (length > 0) style->drawSolid(centre + 1, y + 4, length, 16, bar);
    if (length < 0) style->drawSolid(centre + length - 2, y + 4, -length + 1, 16, bar);
}
