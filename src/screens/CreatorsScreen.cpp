#include "screens/CreatorsScreen.h"

#include "screens/ScreenContext.h"
#include "render/Renderer.h"
#include "render/fonts/PBFontBig.h"
#include "render/fonts/PBFontSmall.h"
#include "screens/HighlightWords.h"
#include "screens/MenuNavigation.h"
#include "screens/MenuPanel.h"
#include "screens/MenuTexts.h"
#include "ui/GUIStyle.h"
#include "ui/widgets/PBButton.h"

#include <vector>

CreatorsScreen::CreatorsScreen(ScreenContext* c, Renderer* r) : PBScreen(c, r)
{
    setFramedTitle("CREATORS");
    menuBackWidget = addButton("back", "BACK", 20, 380, 120);
}

void CreatorsScreen::onCommand(const std::string& id)
{
    if (id == "back" && context)
        goToScreen(this, context->screens.profilesScreen, "main menu");
}

void CreatorsScreen::draw(int pass)
{
    PBScreen::draw(pass);
    if (pass != 2 || !renderer || !context)
        return;
    const std::uint32_t* colours = context->guiStyle ? context->guiStyle->colours : nullptr;
    const std::uint32_t white = colours ? colours[2] : 0xFFFFFFFFu;
    const std::uint32_t orange = colours ? colours[3] : 0xFFFBAB18u;
    drawMenuPanel(context, kPanelX, kPanelY, kPanelWidth, kPanelHeight);
    // The game's name in the big font; the version in the small one, which has the dot
    // the big font lacks.
    const int textX = kPanelX + 24;
    renderer->drawText(context->fontBig, "PITCHBAR", textX, kPanelY + 20, white);
    renderer->drawText(context->fontSmall, "VERSION " + std::string(kGameVersion), textX, kPanelY + 62, orange);
    // The same margin on both sides; the wrapping may run a few pixels past its limit.
    static const std::vector<int> widths(30, kPanelWidth - 48 - 30);
    renderer->drawWrappedText(context->fontSmall, highlightWordByWord(creditsText()), textX, kPanelY + 100, white,
                              orange, widths);
}
