// The head-up display over the table: the score, both names, the opponent's picture, the
// rod choice and assistance, the frame rate, the keys, the announcements and the pause.
#include "screens/MatchScreen.h"

#include "screens/ScreenContext.h"
#include "render/Renderer.h"
#include "render/fonts/PBFontBig.h"
#include "render/fonts/PBFontSmall.h"
#include "screens/MatchSettings.h"
#include "ui/GUIStyle.h"
#include "ui/widgets/GuiAtlas.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kPanelHeight = 22;
// Small text sits this far inside its panel.
constexpr int kTextInsetX = 5;
constexpr int kTextInsetY = 6;
constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
// Under the pause and the quit question the table dims, so the box is what the eye finds.
constexpr std::uint32_t kPauseDim = 0x8C000000u;
// The opponent's portrait as the icon of his panel: the face, from the middle of the picture.
constexpr int kPortraitFaceX = 22;
constexpr int kPortraitFaceY = 14;
constexpr int kPortraitFaceSize = 84;
constexpr int kPortraitIconSize = 18;
const char* const kControlHelp =
    "CONTROL:[MOUSE],[C],[V],[SPACE],[1],[2],[3],[4],[X],[D] PAUSE:[P] QUIT:[ESC]";

std::uint32_t withAlpha(std::uint32_t colour, float alpha)
{
    const float a = std::clamp(alpha, 0.0f, 1.0f);
    const auto byte = static_cast<std::uint32_t>(a * 255.0f);
    return (byte << 24) | (colour & 0x00FFFFFFu);
}

}  // namespace

void MatchScreen::drawPanel(int x, int y, int width, int height)
{
    GUIStyle* style = context ? context->guiStyle : nullptr;
    if (!style)
        return;
    // The menus' look: dark lacquer inside the brass frame.
    style->drawLacquer(x, y, width, height);
    style->drawFrame(x, y, width, height);
}

void MatchScreen::drawScoreBox()
{
    if (practice)
        return;
    const std::uint32_t gold = context && context->guiStyle ? context->guiStyle->colours[3] : 0xFFFBAB18u;
    KRFont* big = context ? context->fontBig : nullptr;
    drawPanel(469, 7, 90, 52);
    renderer->drawText(big, std::to_string(simulation.score[0]), 476, 17, gold);
    if (context && context->guiStyle)
        context->guiStyle->drawSolid(506, 31, 16, 5, gold);
    renderer->drawText(big, std::to_string(simulation.score[1]), 528, 17, gold);
}

void MatchScreen::drawNamePanels()
{
    KRFont* small = context ? context->fontSmall : nullptr;
    const GuiAtlas::Rect& icon = GuiAtlas::ProfileIcon;
    // The icons stand in the gap between the panel's edge and its text.
    const int iconY = 7 + (kPanelHeight - icon.height) / 2;

    drawPanel(160, 7, 250, kPanelHeight);
    renderer->drawTextureRect(guiTexture, icon.x, icon.y, icon.width, icon.height, 172, iconY);
    // A name from the save file may be longer than the panel; it ends at the panel's edge.
    if (small)
        renderer->drawText(small, shownPlayerName_.fit(*small, playerName(), 160 + 250 - kTextInsetX - 200), 200, 13,
                           kWhite);

    if (!practice && opponentPicture)
        renderer->drawTexture(opponentPicture, 891, 7);
    drawPanel(614, 7, 250, kPanelHeight);
    if (practice) {
        renderer->drawText(small, "FREE PRACTICE", 619, 13, kWhite);
    } else {
        // The opponent's own face in his panel; the figure of a person when he has none.
        if (opponentPicture)
            renderer->drawTextureRectScaled(opponentPicture, kPortraitFaceX, kPortraitFaceY, 626,
                                            7 + (kPanelHeight - kPortraitIconSize) / 2, kPortraitIconSize,
                                            kPortraitIconSize, kPortraitFaceSize, kPortraitFaceSize, kWhite);
        else
            renderer->drawTextureRect(guiTexture, icon.x, icon.y, icon.width, icon.height, 626, iconY);
        renderer->drawText(small, opponentName(), 654, 13, kWhite);
    }
}

void MatchScreen::drawControlPanels()
{
    KRFont* small = context ? context->fontSmall : nullptr;
    const std::uint32_t gold = context && context->guiStyle ? context->guiStyle->colours[3] : 0xFFFBAB18u;
    // Label and value: the value in gold after the label.
    auto labelled = [&](int x, int y, int width, const std::string& label, const std::string& value) {
        drawPanel(x, y, width, kPanelHeight);
        const int tx = x + kTextInsetX;
        const int ty = y + kTextInsetY;
        renderer->drawText(small, label, tx, ty, kWhite);
        renderer->drawText(small, value, tx + renderer->textWidth(small, label) + 6, ty, gold);
    };
    labelled(5, 7, 128, "ROD:", rodSelectionLabel(playerControl.selectionMode));
    labelled(5, 42, 128, "ASSIST:", playerControl.assisted ? "ON" : "OFF");
    labelled(5, 741, 98, "FPS:", std::to_string(renderer->fps));

    drawPanel(140, 741, 475, kPanelHeight);
    renderer->drawTwoColourText(small, kControlHelp, 140 + kTextInsetX, 741 + kTextInsetY, kWhite, gold);
}

void MatchScreen::drawTicker()
{
    if (!ticker.showing())
        return;
    const float alpha = ticker.alpha();
    if (const AtlasImage* image = ticker.image())
        renderer->drawImage(*image, 512 - image->width / 2, 390 - image->height, withAlpha(kWhite, alpha));
    KRFont* big = context ? context->fontBig : nullptr;
    const std::string& text = ticker.text();
    const int x = 512 - renderer->textWidth(big, text) / 2;
    const std::uint32_t dark = context && context->guiStyle ? context->guiStyle->colours[7] : 0xFF000000u;
    renderer->drawText(big, text, x + 2, 402, withAlpha(dark, alpha));
    renderer->drawText(big, text, x, 400, withAlpha(kWhite, alpha));
}

void MatchScreen::drawReplayMark()
{
    KRFont* big = context ? context->fontBig : nullptr;
    if (!big)
        return;
    const std::uint32_t gold = context->guiStyle ? context->guiStyle->colours[3] : 0xFFFBAB18u;
    const std::uint32_t dark = context->guiStyle ? context->guiStyle->colours[7] : 0xFF000000u;
    const char* const text = "REPLAY";
    const int x = 512 - renderer->textWidth(big, text) / 2;
    renderer->drawText(big, text, x + 2, 82, dark);
    renderer->drawText(big, text, x, 80, gold);
}

void MatchScreen::drawHud()
{
    drawScoreBox();
    drawNamePanels();
    drawControlPanels();
    if (twoPlayers)
        drawSecondPlayerPanels();
    drawTicker();
    if (replay.running())
        drawReplayMark();
    else
        drawMatchClock();
    if (paused)
        drawMessageBox(pauseMessage());
}

void MatchScreen::draw(int pass)
{
    // The table dims under the pause and the quit question; the head-up display, the spin
    // meter among it, stays bright over it.
    if (pass == 2 && paused && context && context->guiStyle)
        context->guiStyle->drawSolid(0, 0, 1024, 768, kPauseDim);
    PBScreen::draw(pass);
    if (pass == 2 && renderer)
        drawHud();
}
