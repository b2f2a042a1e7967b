#include "screens/BestAchievementsScreen.h"

#include "screens/ScreenContext.h"
#include "profiles/ProfileStore.h"
#include "assets/TextureRecord.h"
#include "control/Opponent.h"
#include "render/Renderer.h"
#include "screens/MenuNavigation.h"
#include "render/fonts/PBFontBig.h"
#include "render/fonts/PBFontSmall.h"
#include "ui/GUIStyle.h"
#include "ui/widgets/PBButton.h"

#include <algorithm>

namespace {

constexpr int kColumnRules[] = {280, 480, 550, 736};
constexpr int kNameX = 287;
constexpr int kResultX = 487;
constexpr int kAgainstX = 557;
constexpr int kPortraitSize = 28;

} // namespace

BestAchievementsScreen::BestAchievementsScreen(ScreenContext* c, Renderer* r) : PBScreen(c, r)
{
    setFramedTitle("BEST ACHIEVEMENTS");
    menuBackWidget = addButton("back", "BACK", 452, 550, 120);
}

void BestAchievementsScreen::onCommand(const std::string& id)
{
    if (id == "back" && context)
        goToScreen(this, context->screens.profilesScreen, "main menu");
}

void BestAchievementsScreen::draw(int pass)
{
    PBScreen::draw(pass);
    if (pass == 2 && renderer && context && context->guiStyle)
        drawTable();
}

void BestAchievementsScreen::drawTable()
{
    GUIStyle* style = context->guiStyle;
    KRFont* small = context->fontSmall;
    const std::uint32_t* c = style->colours;
    const int width = kRight - kLeft;
    const int bottom = kFirstLineY + (kRows - 1) * kRowHeight;

    style->drawSolid(kLeft, kHeaderY, width, bottom - kHeaderY, c[0]);
    style->drawFrame(kLeft, kHeaderY, width, bottom - kHeaderY);
    style->drawSolid(kLeft, kHeaderY, width, kHeaderHeight, c[8]);
    renderer->drawText(small, "NAME", kNameX, kHeaderY + 5, c[2]);
    renderer->drawText(small, "RESULT", kResultX, kHeaderY + 5, c[2]);
    renderer->drawText(small, "AGAINST", kAgainstX, kHeaderY + 5, c[2]);
    for (int x : kColumnRules)
        style->drawSolid(x, kHeaderY, 1, bottom - kHeaderY, c[1]);
    for (int row = 0; row < kRows; ++row)
        style->drawSolid(kLeft, kFirstLineY + row * kRowHeight, width, 1, c[1]);

    // The store keeps its rows best first; a damaged file could hold more than ten.
    const std::vector<BestAchievement>& best = context->profileStore->best;
    const int shown = std::min<int>(kRows, static_cast<int>(best.size()));
    for (int row = 0; row < shown; ++row) {
        const BestAchievement& a = best[static_cast<std::size_t>(row)];
        drawRow(row, a.name, a.level, a.conceded);
    }
}

void BestAchievementsScreen::drawRow(int row, const std::string& name, int level, int conceded)
{
    KRFont* small = context->fontSmall;
    const std::uint32_t* c = context->guiStyle->colours;
    const int y = kFirstRowTextY + row * kRowHeight;
    const std::string place = std::to_string(row + 1) + ".";
    // The place number centred in its narrow first column.
    const int placeX = kLeft + (kColumnRules[0] - kLeft - renderer->textWidth(small, place)) / 2;
    renderer->drawText(small, place, placeX, y, c[3]);
    // Names typed on the new-profile screen fit their column; a name from a damaged or edited
    // save file may not, and is cut at the column's edge rather than drawn across the next.
    if (small)
        renderer->drawText(small, fittedNames_[row].fit(*small, name, kColumnRules[1] - kNameX - 6), kNameX, y,
                           c[2]);
    renderer->drawText(small, "5-" + std::to_string(conceded), kResultX, y, c[3]);
    // A row naming no known opponent (a damaged file) shows its result without a name.
    const bool known = level >= 0 && level < static_cast<int>(context->opponents->size()) && (*context->opponents)[level];
    if (!known)
        return;
    renderer->drawText(small, (*context->opponents)[static_cast<std::size_t>(level)]->name, kAgainstX, y, c[2]);
    TextureRecord* portrait = pictureOfOpponent(*context, level);
    if (portrait && portrait->width > 0 && portrait->height > 0) {
        const int rowTop = kFirstLineY - kRowHeight + row * kRowHeight;
        const int px = kColumnRules[3] + (kRight - kColumnRules[3] - kPortraitSize) / 2 + 1;
        renderer->drawTextureRectScaled(portrait, 0, 0, px, rowTop + (kRowHeight - kPortraitSize) / 2 + 1,
                                        kPortraitSize, kPortraitSize, portrait->width, portrait->height,
                                        0xFFFFFFFFu);
    }
}
