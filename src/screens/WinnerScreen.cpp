#include "screens/WinnerScreen.h"

#include "app/Game.h"
#include "app/assets/ResourceManager.h"
#include "render/Renderer.h"
#include "render/fonts/PBFontSmall.h"
#include "screens/MenuNavigation.h"
#include "ui/GUIStyle.h"

WinnerScreen::WinnerScreen(Game* g, Renderer* r) : PBScreen(g, r)
{
    if (game && game->resourceManager)
        picture = game->resourceManager->getTexture("winner.png");
    addButton("continue", "CONTINUE", 450, 720, 124);
}

void WinnerScreen::onCommand(const std::string& id)
{
    if (game && id == "continue")
        goToScreen(this, game->playerScreen, "player");
}

void WinnerScreen::draw(int pass)
{
    if (pass == 2 && renderer && game) {
        // The picture first: the button lies on top of it.
        if (picture)
            renderer->drawTexture(picture, 0, 0);
        if (game->fontSmall)
            renderer->drawText(game->fontSmall, "WOW, THIS WAS AMAZING! CONGRATULATIONS!", 320, 30,
                               game->guiStyle ? game->guiStyle->colours[2] : 0xFFFFFFFFu);
    }
    PBScreen::draw(pass);
}
