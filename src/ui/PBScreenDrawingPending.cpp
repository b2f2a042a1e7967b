// TEMPORARY: stands in for the screen drawing that the widget and font work brings
// (src/ui/PBScreenDrawing.cpp), so the game links before it lands. Delete this file when
// PBScreenDrawing.cpp arrives. It draws the widgets and the fade overlay only: no frame,
// no title, no logo, no message box, no buttons.
#include "ui/PBScreen.h"

#if __has_include("render/Renderer.h")
#include "app/Game.h"
#include "ui/GUIStyle.h"

void PBScreen::draw(int pass)
{
    KRScreen::draw(pass);
    const float a = fadeAlpha();
    if (pass == 3 && a > 0.001f && game && game->guiStyle) {
        const std::uint32_t black = static_cast<std::uint32_t>(a * 254.0f) << 24;
        game->guiStyle->drawSolid(0, 0, 1024, 768, black);
    }
}

PBButton* PBScreen::addButton(const std::string&, const std::string&, int, int, int) { return nullptr; }

void PBScreen::drawMessageBox(const std::string&) {}
#endif
