#include "screens/InitScreen.h"

#include "app/Game.h"

#include "assets/ResourceManager.h"
#include "render/Renderer.h"
#include "render/fonts/PBFontSmall.h"

InitScreen::InitScreen(Game* g, Renderer* r) : PBScreen(g, r)
{
    showsPointer = false;
    if (game && game->resourceManager)
        picture = game->resourceManager->getTexture("loadingpic.png");
}

void InitScreen::update(float dt)
{
    PBScreen::update(dt);
    if (!drawn || loaded)
        return;
    // The picture is on screen: now the slow part may run.
    loaded = true;
    if (!game)
        return;
    game->createMenus();
    if (game->profilesScreen)
        switchTo(game->profilesScreen);
}

void InitScreen::onLeave()
{
    // The loading picture is never shown again: its 3 MB go back to the renderer.
    if (game && game->resourceManager)
        game->resourceManager->unloadTexture("loadingpic.png");
}

void InitScreen::draw(int pass)
{
    if (pass == 2 && renderer) {
        if (picture)
            renderer->drawTexture(picture, 0, 0);
        if (game && game->fontSmall)
            renderer->drawText(game->fontSmall, "LOADING GAME...", 460, 570, 0xFFFFFFFFu);
    }
    PBScreen::draw(pass);
    if (pass == 2)
        drawn = true;
}
