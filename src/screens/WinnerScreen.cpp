#include "screens/WinnerScreen.h"

#include "screens/ScreenContext.h"
#include "assets/ResourceManager.h"
#include "render/Renderer.h"
#include "render/fonts/PBFontSmall.h"
#include "screens/MenuNavigation.h"
#include "ui/GUIStyle.h"
#include "ui/widgets/PBButton.h"

WinnerScreen::WinnerScreen(ScreenContext* c, Renderer* r) : PBScreen(c, r)
{
    // Going on to the player menu is the one way from here, for back too.
    menuBackWidget = addButton("continue", "CONTINUE", 450, 720, 124);
}

// The picture fills the screen (3 MB of the renderer's memory) and is seen once in a long
// while, so it is loaded on the way in and let go on the way out.
void WinnerScreen::onEnter()
{
    if (context && context->resourceManager)
        picture = context->resourceManager->getTexture("winner.png");
}

void WinnerScreen::onLeave()
{
    if (context && context->resourceManager)
        context->resourceManager->unloadTexture("winner.png");
}

void WinnerScreen::onCommand(const std::string& id)
{
    if (context && id == "continue")
        goToScreen(this, context->screens.playerScreen, "player");
}

void WinnerScreen::draw(int pass)
{
    if (pass == 2 && renderer && context) {
        // The picture first: the button lies on top of it.
        if (picture)
            renderer->drawTexture(picture, 0, 0);
        if (context->fontSmall)
            renderer->drawText(context->fontSmall, "WOW, THIS WAS AMAZING! CONGRATULATIONS!", 320, 30,
                               context->guiStyle ? context->guiStyle->colours[2] : 0xFFFFFFFFu);
    }
    PBScreen::draw(pass);
}
