// A timed match on the match screen: the time left under the score, and the end of the
// clock told as a goal's end of a match is.
#include "screens/MatchScreen.h"

#include "render/Renderer.h"
#include "render/fonts/PBFontSmall.h"
#include "screens/ScreenContext.h"
#include "ui/GUIStyle.h"

#include <cmath>
#include <cstdio>

namespace {
// Under the score box, as wide as it.
constexpr int kClockX = 469;
constexpr int kClockY = 64;
constexpr int kClockWidth = 90;
constexpr int kClockHeight = 22;
}  // namespace

std::string MatchScreen::clockText(double secondsLeft)
{
    // Whole seconds, rounded up: 0:00 only once the time is up.
    const long seconds = std::lround(std::ceil(std::fmax(secondsLeft, 0.0) - 1e-9));
    char text[32];
    std::snprintf(text, sizeof text, "%ld:%02ld", seconds / 60, seconds % 60);
    return text;
}

void MatchScreen::drawMatchClock()
{
    if (!match.length.timed() || practice || !context)
        return;
    KRFont* small = context->fontSmall;
    const std::uint32_t gold = context->guiStyle ? context->guiStyle->colours[3] : 0xFFFBAB18u;
    drawPanel(kClockX, kClockY, kClockWidth, kClockHeight);
    const std::string text = clockText(match.secondsLeft());
    renderer->drawText(small, text, kClockX + (kClockWidth - renderer->textWidth(small, text)) / 2, kClockY + 6, gold);
}

void MatchScreen::onFullTime(int winner)
{
    if (winner < 0) {
        ticker.queue("TIME UP - NEXT GOAL WINS");
        return;
    }
    ticker.queue(announcement(sideName(winner), " WINS"));
    matchWon();
}
