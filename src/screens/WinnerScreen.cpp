#include "screens/WinnerScreen.h"

#include "app/Game.h"
#include "assets/ResourceManager.h"
#include "render/Renderer.h"
#include "render/fonts/PBFontSmall.h"
#include "screens/MenuNavigation.h"
#include "ui/GUIStyle.h"

WinnerScreen::WinnerScreen(Game* g, Renderer* r) : PBScreen(g, r)
{
    addButton("continue", "CONTINUE", 450, 720, 124);
}

// The picture fills the screen (3 MB of the renderer's memory) and is seen once in a long
// while, so it is loaded on the way in and let go on the way out.
void WinnerScreen::onEnter()
{
    if (game && game->resourceManager)
        picture = game->resourceManager->getTexture("winner.png");
}

void WinnerScreen::onLeave()
{
    if (game && game->resourceManager)
        game->resourceManager->unloadTexture("winner.png");
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
