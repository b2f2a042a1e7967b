// The TWO PLAYERS screen's choice of match length: its own panel under player 1's choices,
// level with player 2's, where the screen was empty.
#include "screens/TwoPlayerScreen.h"

#include "render/Renderer.h"
#include "render/fonts/PBFontSmall.h"
#include "screens/MatchLengthChoices.h"
#include "screens/MenuPanel.h"
#include "screens/ScreenContext.h"
#include "ui/GUIStyle.h"
#include "ui/widgets/PBSelector.h"

namespace {
constexpr int kLengthWidth = 200;
constexpr int kLengthTop = TwoPlayerScreen::kTopY + 280;
}  // namespace

void TwoPlayerScreen::addMatchLengthChoice()
{
    addComponent(new MenuBackdrop(context, kLeftX - 20, kLengthTop, kLengthWidth + 40, 86));
    std::vector<std::string> labels;
    for (const MatchLengthChoice& choice : matchLengthChoices())
        labels.push_back(choice.label);
    lengthSelector = new PBSelector(this, "matchLength", labels, context ? context->fontSmall : nullptr,
                                    kLengthWidth, context ? context->guiStyle : nullptr);
    lengthSelector->x = kLeftX;
    lengthSelector->y = kLengthTop + 30;
    lengthSelector->setIndex(designedMatchLengthChoice());
    addComponent(lengthSelector);
}

void TwoPlayerScreen::drawMatchLengthLabel()
{
    const std::uint32_t normal = context->guiStyle ? context->guiStyle->colours[2] : 0xFFFFFFFFu;
    renderer->drawText(context->fontSmall, "MATCH LENGTH:", kLeftX, kLengthTop + 12, normal);
}
