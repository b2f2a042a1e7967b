#include "ui/widgets/PBEditor.h"

#include "input/InputSystem.h"
#include "render/fonts/TextLayout.h"
#include "ui/KRScreen.h"
#include "ui/widgets/WidgetPalette.h"

#include "render/Renderer.h"

namespace {

// What a name may hold: the letters, the digits and the space, letters in capitals as the
// font draws them. Whatever else the layout types is left out.
char nameCharacter(std::uint32_t typed)
{
    if (typed >= 'a' && typed <= 'z')
        return static_cast<char>(typed - 'a' + 'A');
    if ((typed >= 'A' && typed <= 'Z') || (typed >= '0' && typed <= '9') || typed == ' ')
        return static_cast<char>(typed);
    return 0;
}

}  // namespace

PBEditor::PBEditor(KRScreen* screen, const std::string& initial, KRFont* textFont, GUIStyle* guiStyle)
    : PBGUIComponent(guiStyle), text(initial), font(textFont) {
    owner = screen;
    width = Width;
    height = Height;
}

bool PBEditor::acceptsCharacter(char c) {
    return c != 0 && nameCharacter(static_cast<unsigned char>(c)) == c;
}

bool PBEditor::typeCharacter(char c) {
    if (!acceptsCharacter(c)) return false;
    std::string longer = text + c;
    int w = font ? TextLayout::textWidth(*font, longer) : 0;
    if (w + RightMargin >= width) return false;
    text = longer;
    return true;
}

void PBEditor::eraseLast() {
    if (!text.empty()) text.pop_back();
}

void PBEditor::update(float) {
    if (!hasFocus || !owner || !owner->input) return;
    // In the order it was typed, so that fast typing at a low frame rate keeps it; the
    // characters are the keyboard layout's, not the keys' places.
    for (std::uint32_t typed : owner->input->typed) {
        if (typed == kTypedBackspace) {
            eraseLast();
            continue;
        }
        if (char c = nameCharacter(typed)) typeCharacter(c);
    }
}

void PBEditor::draw() {
    if (!style || !style->renderer) return;
    Renderer* r = style->renderer;
    style->drawSolid(x, y, width, height, styleColour(style, WidgetColour::RowOdd));
    // A sunken two-pixel bevel: dark above and left, light below and right.
    std::uint32_t dark = styleColour(style, WidgetColour::Disabled);
    std::uint32_t light = styleColour(style, WidgetColour::RowEven);
    style->drawOutline(x + 1, y + 1, width - 2, height - 2, dark, light);
    style->drawOutline(x + 2, y + 2, width - 4, height - 4, dark, light);
    r->drawText(font, text, x + 2, y + 4, styleColour(style, WidgetColour::Text));
    if (hasFocus) {
        int cursorX = x + (font ? TextLayout::textWidth(*font, text) : 0) + 3;
        style->drawSolid(cursorX, y + 2, 10, 15, styleColour(style, WidgetColour::Highlight));
    }
}

void PBEditor::onMouseDown(int, int) {
    hasFocus = true;
    if (owner) owner->focused = this;
}

void PBEditor::onMenuFocusGained() {
    hasFocus = true;
    if (owner) owner->focused = this;
}
