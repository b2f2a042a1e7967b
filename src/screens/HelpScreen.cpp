#include "screens/HelpScreen.h"

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

#include <algorithm>
#include <vector>

HelpScreen::HelpScreen(ScreenContext* c, Renderer* r) : PBScreen(c, r)
{
    setFramedTitle("HELP");
    previousButton = addButton("previous", "PREVIOUS PAGE", 30, 630, 150);
    addButton("back", "EXIT FROM HELP", 437, 630, 150);
    nextButton = addButton("next", "NEXT PAGE", 844, 630, 150);
    addPadPageButton();
    refreshButtons();
}

int HelpScreen::pageCount() const
{
    return static_cast<int>(helpPages().size());
}

void HelpScreen::refreshButtons()
{
    page = std::clamp(page, 0, std::max(0, pageCount() - 1));
    previousButton->enabled = page > 0 || showingPadPage;
    nextButton->enabled = page + 1 < pageCount() && !showingPadPage;
    padPageButton->enabled = !showingPadPage;
}

void HelpScreen::onEnter()
{
    refreshButtons();
}

void HelpScreen::onCommand(const std::string& id)
{
    if (onPadPageCommand(id))
        return;
    if (id == "previous" && page > 0) {
        --page;
        refreshButtons();
    } else if (id == "next" && page + 1 < pageCount()) {
        ++page;
        refreshButtons();
    } else if (id == "back") {
        showingPadPage = false;
        PBScreen* target = returnScreen ? returnScreen : (context ? context->screens.profilesScreen : nullptr);
        goToScreen(this, target, "main menu");
    }
}

void HelpScreen::draw(int pass)
{
    PBScreen::draw(pass);
    if (pass != 2 || !renderer || !context || page >= pageCount())
        return;
    drawMenuPanel(context, kTextX - 20, kTextY - 20, kTextWidth + 40, 498);
    const std::uint32_t* colours = context->guiStyle ? context->guiStyle->colours : nullptr;
    const std::uint32_t normal = colours ? colours[2] : 0xFFFFFFFFu;
    const std::uint32_t highlight = colours ? colours[3] : 0xFFFBAB18u;
    // The wrapping counts a space one pixel short, so a long line of short words ends a
    // little beyond its limit: the limit leaves room for that inside the text column.
    static const std::vector<int> widths(40, kTextWidth - 30);
    const std::string& text = showingPadPage ? padHelpPage() : helpPages()[static_cast<std::size_t>(page)];
    renderer->drawWrappedText(context->fontSmall, highlightWordByWord(text),
                              kTextX, kTextY, normal, highlight, widths);
}

void HelpScreen::addPadPageButton()
{
    padPageButton = addButton("pads", "PADS AND 2 PLAYERS", 615, 630, 200);
}

bool HelpScreen::onPadPageCommand(const std::string& id)
{
    if (id == "pads" && !showingPadPage) {
        showingPadPage = true;
    } else if (id == "previous" && showingPadPage) {
        showingPadPage = false;
    } else if (id == "next" && showingPadPage) {
        // The pad page is the last one.
    } else {
        return false;
    }
    refreshButtons();
    return true;
}
