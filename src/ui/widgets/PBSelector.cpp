#include "ui/widgets/PBSelector.h"

#include "render/fonts/TextLayout.h"
#include "ui/KRScreen.h"
#include "ui/widgets/GuiAtlas.h"
#include "ui/widgets/WidgetPalette.h"

#include <algorithm>

#include "render/Renderer.h"

namespace {
const std::string kNoValue;
}

PBSelector::PBSelector(KRScreen* screen, const std::string& selectorId, const std::vector<std::string>& choices,
                       KRFont* valueFont, int selectorWidth, GUIStyle* guiStyle)
    : PBGUIComponent(guiStyle), values(choices), id(selectorId), font(valueFont) {
    owner = screen;
    width = selectorWidth;
    height = Height;
    updateTextOffset();
}

const std::string& PBSelector::currentValue() const {
    if (currentIndex < 0 || currentIndex >= static_cast<int>(values.size())) return kNoValue;
    return values[static_cast<size_t>(currentIndex)];
}

void PBSelector::updateTextOffset() {
    textOffset = (width - (font ? TextLayout::textWidth(*font, currentValue()) : 0)) / 2;
}

void PBSelector::setIndex(int index) {
    currentIndex = values.empty() ? 0 : std::clamp(index, 0, static_cast<int>(values.size()) - 1);
    updateTextOffset();
}

void PBSelector::step(int delta) {
    playWidgetClick();
    currentIndex += delta;
    updateTextOffset();
    if (owner) owner->onCommand(id);
}

void PBSelector::onMouseMove(int relativeX, int) {
    bool left = onLeftArrow(relativeX) && canStepLeft();
    bool right = onRightArrow(relativeX) && canStepRight();
    if (left && !leftArrowHovered) playWidgetHover();
    if (right && !rightArrowHovered) playWidgetHover();
    leftArrowHovered = left;
    rightArrowHovered = right;
}

void PBSelector::onMouseLeave() {
    leftArrowHovered = false;
    rightArrowHovered = false;
}

void PBSelector::onMouseDown(int relativeX, int) {
    // Both arrows are checked in turn; on a selector narrow enough for them to meet, one
    // press may step down and then up again.
    if (onLeftArrow(relativeX) && canStepLeft()) step(-1);
    if (onRightArrow(relativeX) && canStepRight()) step(+1);
}

void PBSelector::draw() {
    if (!style || !style->renderer) return;
    Renderer* r = style->renderer;
    style->drawBar(x, y, width);
    // With the menu focus, the arrows that LEFT and RIGHT can still take light up.
    const bool focused = owner && owner->menuFocusOn(this);
    auto tint = [this, focused](bool canMove, bool hovered) {
        return styleColour(style, !canMove ? WidgetColour::Disabled
                                           : hovered || focused ? WidgetColour::Highlight : WidgetColour::Text);
    };
    const GuiAtlas::Rect& la = GuiAtlas::ArrowLeft;
    const GuiAtlas::Rect& ra = GuiAtlas::ArrowRight;
    r->drawImage(AtlasImage{style->texture, la.x, la.y, la.width, la.height}, x + 5, y + 7,
                 tint(canStepLeft(), leftArrowHovered));
    r->drawImage(AtlasImage{style->texture, ra.x, ra.y, ra.width, ra.height}, x + width - 13, y + 7,
                 tint(canStepRight(), rightArrowHovered));
    r->drawText(font, currentValue(), x + textOffset, y + 9, styleColour(style, WidgetColour::Text));
}

bool PBSelector::onMenuKey(MenuKey key) {
    // Both sideways keys stay with the selector, also where it cannot step further: the
    // focus leaving sideways at the last value would surprise.
    if (key == MenuKey::Left) {
        if (canStepLeft()) step(-1);
        return true;
    }
    if (key == MenuKey::Right) {
        if (canStepRight()) step(+1);
        return true;
    }
    return false;
}
