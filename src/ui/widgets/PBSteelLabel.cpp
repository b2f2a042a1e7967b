#include "ui/widgets/PBSteelLabel.h"

#include "render/fonts/TextLayout.h"
#include "ui/widgets/WidgetPalette.h"

#include "render/Renderer.h"

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
    if (!style || !style->renderer) return;
    style->drawLacquer(x, y, width, height);
    style->drawFrame(x, y, width, height);
    style->renderer->drawText(font, text, x + 5, y + 6, 0xFFFFFFFFu);
}
