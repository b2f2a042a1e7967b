#include "screens/InitScreen.h"

#include "screens/ScreenContext.h"
#include "screens/GameActions.h"

#include "assets/ResourceManager.h"
#include "render/Renderer.h"
#include "render/fonts/PBFontSmall.h"

InitScreen::InitScreen(ScreenContext* c, Renderer* r) : PBScreen(c, r)
{
    showsPointer = false;
    if (context && context->resourceManager)
        picture = context->resourceManager->getTexture("loadingpic.png");
}

void InitScreen::update(float dt)
{
    PBScreen::update(dt);
    if (!drawn || loaded)
        return;
    // The picture is on screen: now the slow part may run.
    loaded = true;
    if (!context)
        return;
    context->actions->createMenus();
    if (context->screens.profilesScreen)
        switchTo(context->screens.profilesScreen);
}

void InitScreen::onLeave()
{
    // The loading picture is never shown again: its 3 MB go back to the renderer.
    if (context && context->resourceManager)
        context->resourceManager->unloadTexture("loadingpic.png");
}

void InitScreen::draw(int pass)
{
    if (pass == 2 && renderer) {
        if (picture)
            renderer->drawTexture(picture, 0, 0);
        if (context && context->fontSmall)
            renderer->drawText(context->fontSmall, "LOADING GAME...", 460, 570, 0xFFFFFFFFu);
    }
    PBScreen::draw(pass);
    if (pass == 2)
        drawn = true;
}
