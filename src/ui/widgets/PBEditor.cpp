#include "ui/widgets/PBEditor.h"

#include "input/InputSystem.h"
#include "render/fonts/TextLayout.h"
#include "ui/KRScreen.h"
#include "ui/widgets/WidgetPalette.h"

#include "render/Renderer.h"

namespace {

struct TypedKey {
    std::uint8_t key;
    char character;
};

// The keys that type, and what they type.
constexpr TypedKey kTypedKeys[] = {
    {Key::A, 'A'}, {Key::B, 'B'}, {Key::C, 'C'}, {Key::D, 'D'}, {Key::E, 'E'}, {Key::F, 'F'},
    {Key::G, 'G'}, {Key::H, 'H'}, {Key::I, 'I'}, {Key::J, 'J'}, {Key::K, 'K'}, {Key::L, 'L'},
    {Key::M, 'M'}, {Key::N, 'N'}, {Key::O, 'O'}, {Key::P, 'P'}, {Key::Q, 'Q'}, {Key::R, 'R'},
    {Key::S, 'S'}, {Key::T, 'T'}, {Key::U, 'U'}, {Key::V, 'V'}, {Key::W, 'W'}, {Key::X, 'X'},
    {Key::Y, 'Y'}, {Key::Z, 'Z'}, {Key::Digit0, '0'}, {Key::Digit1, '1'}, {Key::Digit2, '2'},
    {Key::Digit3, '3'}, {Key::Digit4, '4'}, {Key::Digit5, '5'}, {Key::Digit6, '6'},
    {Key::Digit7, '7'}, {Key::Digit8, '8'}, {Key::Digit9, '9'}, {Key::Space, ' '},
};

}  // namespace

PBEditor::PBEditor(KRScreen* screen, const std::string& initial, KRFont* textFont, GUIStyle* guiStyle)
    : PBGUIComponent(guiStyle), text(initial), font(textFont) {
    owner = screen;
    width = Width;
    height = Height;
}

void PBEditor::type(char c) {
    std::string longer = text + c;
    int w = font ? TextLayout::textWidth(*font, longer) : 0;
    if (w + RightMargin < width) text = longer;
}

void PBEditor::update(float) {
    if (!hasFocus || !owner || !owner->input) return;
    // In the order the keys went down, so that fast typing at a low frame rate keeps it.
    for (std::uint8_t key : owner->input->keyPresses) {
        if (key == Key::Backspace) {
            if (!text.empty()) text.pop_back();
            continue;
        }
        for (const TypedKey& k : kTypedKeys)
            if (k.key == key) type(k.character);
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
