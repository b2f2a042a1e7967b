#include "ui/widgets/PBButton.h"

#include "render/fonts/TextLayout.h"
#include "ui/KRScreen.h"
#include "ui/widgets/WidgetPalette.h"

#include "render/Renderer.h"

PBButton::PBButton(KRScreen* screen, const std::string& buttonId, const std::string& text, KRFont* labelFont,
                   int buttonWidth, GUIStyle* guiStyle)
    : PBGUIComponent(guiStyle), id(buttonId), font(labelFont) {
    owner = screen;
    width = buttonWidth;
    height = Height;
    setLabel(text);
}

void PBButton::setLabel(const std::string& text) {
    label = text;
    int labelWidth = font ? TextLayout::textWidth(*font, label) : 0;
    closedUpLabel = font && !label.empty() && labelWidth > width - 2 * LabelMargin;
    if (closedUpLabel) labelWidth -= font->spacing * static_cast<int>(label.size() - 1);
    labelOffset = (width - labelWidth) / 2;
}

void PBButton::drawLabel(std::uint32_t colour) {
    Renderer* r = style->renderer;
    if (!closedUpLabel) {
        r->drawText(font, label, x + labelOffset, y + 11, colour);
        return;
    }
    int pen = x + labelOffset;
    for (char c : label) {
        r->drawText(font, std::string(1, c), pen, y + 11, colour);
        pen += font->advance(font->glyphFor(c)) - font->spacing;
    }
}

void PBButton::draw() {
    if (!style || !style->renderer) return;
    Renderer* r = style->renderer;
    style->drawBar(x, y, width);
    if (icon) r->drawImage(*icon, x + 6, y + 8, 0xFFFFFFFFu);
    const bool lit = hovered || (owner && owner->menuFocusOn(this));
    int colour = !enabled ? WidgetColour::Disabled : lit ? WidgetColour::Highlight : WidgetColour::Text;
    drawLabel(styleColour(style, colour));
}

void PBButton::onMouseMove(int, int) {
    if (!hovered && enabled) playWidgetHover();
    hovered = true;  // also when disabled, so enabling it later does not replay the sound
}

void PBButton::onMouseLeave() { hovered = false; }

void PBButton::onClick(int, int) {
    if (!enabled) return;
    playWidgetClick();
    if (owner) owner->onCommand(id);
}

bool PBButton::onMenuKey(MenuKey key) {
    if (key != MenuKey::Press) return false;
    onClick(0, 0);
    return true;
}

FocusRect PBButton::menuFocusRect() const {
    // The bar behind the button reaches 2 pixels above and left of it and 4 beyond its end.
    return FocusRect{x - 2, y - 2, width + 6, 40};
}
