#include "ui/widgets/PBSteelLabel.h"

#include "render/fonts/TextLayout.h"
#include "ui/widgets/WidgetPalette.h"

#if __has_include("render/Renderer.h")
#include "render/Renderer.h"
#define PITCHBAR_WIDGETS_DRAW 1
#endif

PBSteelLabel::PBSteelLabel(KRScreen* screen, const std::string& labelText, KRFont* labelFont, GUIStyle* guiStyle)
    : PBGUIComponent(guiStyle), font(labelFont) {
    owner = screen;
    height = Height;
    setText(labelText);
}

void PBSteelLabel::setText(const std::string& newText) {
    text = newText;
    width = (font ? TextLayout::textWidth(*font, text) : 0) + 10;
}

void PBSteelLabel::draw() {
#ifdef PITCHBAR_WIDGETS_DRAW
    if (!style || !style->renderer) return;
    style->drawSolid(x, y, width, height, styleColour(style, WidgetColour::Disabled));
    style->drawFrame(x, y, width, height);
    style->renderer->drawText(font, text, x + 5, y + 6, 0xFFFFFFFFu);
#endif
}
