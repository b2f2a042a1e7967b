// How every screen of the game draws: the menu frame with its sliding title, the widgets,
// the fade overlay and the logo, and the message panel of the match.
#include "screens/PBScreen.h"

#include "screens/ScreenContext.h"
#include "ui/GUIStyle.h"
#include "ui/widgets/GuiAtlas.h"
#include "render/fonts/PBFontBig.h"
#include "render/fonts/PBFontSmall.h"
#include "ui/widgets/PBButton.h"

#include "render/Renderer.h"


namespace {

// The palette of the context's style; before the style exists, the same colours unchanged.
std::uint32_t paletteColour(const ScreenContext* context, int index) {
    static const GUIStyle defaults(nullptr);
    const GUIStyle* style = context && context->guiStyle ? context->guiStyle : &defaults;
    return style->colours[index];
}

void drawSolid(Renderer* r, TextureRecord* atlas, int x, int y, int w, int h, std::uint32_t colour) {
    const GuiAtlas::Rect& b = GuiAtlas::SolidBlock;
    r->drawTextureRectScaled(atlas, b.x, b.y, x, y, w, h, b.width, b.height, colour);
}

void drawLogo(Renderer* r, TextureRecord* atlas, TextureRecord* puppet) {
    const GuiAtlas::Rect& logo = GuiAtlas::Logo;
    r->drawTextureRect(atlas, logo.x, logo.y, logo.width, logo.height, 694, 2);
    r->drawTexture(puppet, 0, 640);
}

}  // namespace

void PBScreen::draw(int pass) {
    if (!renderer) return;
    const float a = fadeAlpha();
    if (pass == 2) {
        if (!framed) {
            KRScreen::draw(2);
            return;
        }
        drawSolid(renderer, guiTexture, 0, 0, 1024, 44, paletteColour(context, 0));
        drawSolid(renderer, guiTexture, 0, 44, 1024, 10, paletteColour(context, 4));
        const GuiAtlas::Rect& bg = GuiAtlas::MenuBackground;
        renderer->drawTextureRect(guiTexture, bg.x, bg.y, bg.width, bg.height, 0, 54);
        drawSolid(renderer, guiTexture, 0, 714, 1024, 10, paletteColour(context, 4));
        drawSolid(renderer, guiTexture, 0, 724, 1024, 44, paletteColour(context, 0));
        KRScreen::draw(2);
        // The title slides in from the left as the screen fades in.
        int slide = static_cast<int>(static_cast<float>(titleSlide) * a);
        renderer->drawText(context ? context->fontBig : nullptr, title, 6 - slide, 6, paletteColour(context, 2));
        return;
    }
    if (pass != 3) return;
    const bool leavingToUnframed = next != nullptr && !next->framed;
    if (framed && leavingToUnframed) drawLogo(renderer, guiTexture, puppetTexture);
    if (a > 0.001f) {
        const std::uint32_t black = static_cast<std::uint32_t>(a * 254.0f) << 24;
        // Between two menu screens only the middle fades; header, footer and logo stay.
        if (framed && !leavingToUnframed)
            drawSolid(renderer, guiTexture, 0, 54, 1024, 660, black);
        else
            drawSolid(renderer, guiTexture, 0, 0, 1024, 768, black);
    }
    if (framed && !leavingToUnframed) drawLogo(renderer, guiTexture, puppetTexture);
    // Over everything, fade included: the player must be able to read it.
    if (!notice.empty()) drawMessageBox(notice);
}

void PBScreen::drawMessageBox(const std::string& text) {
    if (!renderer) return;
    KRFont* font = context ? context->fontSmall : nullptr;
    const int textWidth = renderer->textWidth(font, text);
    const int w = textWidth + 60;
    const int x = 512 - w / 2;
    drawSolid(renderer, guiTexture, x, 370, w, 22, paletteColour(context, 0));
    if (context && context->guiStyle) context->guiStyle->drawFrame(x, 370, w, 22);
    renderer->drawTwoColourText(font, text, 512 - textWidth / 2, 376, paletteColour(context, 2), paletteColour(context, 3));
}


PBButton* PBScreen::addButton(const std::string& id, const std::string& label, int x, int y, int width) {
    KRFont* font = context ? context->fontSmall : nullptr;
    PBButton* button = new PBButton(this, id, label, font, width, context ? context->guiStyle : nullptr);
    button->x = x;
    button->y = y;
    addComponent(button);
    return button;
}
