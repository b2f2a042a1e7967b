// The head-up display drawn into a recorder: every element at its place, for a match and
// for free practice, with the announcements and the pause.
#include "MatchFixture.h"

#include "ui/widgets/GuiAtlas.h"

#include <algorithm>

namespace {

using MatchHud = MatchFixture;

// Glyphs of one font drawn inside a rectangle.
int glyphsIn(const RecordingSpriteSink& sink, const TextureRecord* font, int x0, int y0, int x1, int y1)
{
    return static_cast<int>(std::count_if(sink.draws.begin(), sink.draws.end(), [&](const SpriteDraw& d) {
        return d.texture == font && d.dstX >= x0 && d.dstX < x1 && d.dstY >= y0 && d.dstY < y1;
    }));
}

// The leftmost glyph of a font whose top lies on row y, or -1.
float firstGlyphX(const RecordingSpriteSink& sink, const TextureRecord* font, int x0, int x1, int y0, int y1)
{
    float best = -1.0f;
    for (const SpriteDraw& d : sink.draws)
        if (d.texture == font && d.dstX >= x0 && d.dstX < x1 && d.dstY >= y0 && d.dstY < y1 &&
            (best < 0.0f || d.dstX < best))
            best = d.dstX;
    return best;
}

int letters(const std::string& text)
{
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) { return c != ' '; }));
}

TEST_F(MatchHud, AMatchShowsScoresNamesPictureAndTheRodChoice)
{
    TextureRecord picture;
    picture.width = 128;
    picture.height = 128;
    profile->rodSelection = kRodSelectionAll;
    profile->assistedMode = false;
    start(3);
    match->opponentPicture = &picture;
    match->simulation.score[0] = 2;
    match->simulation.score[1] = 4;
    sink.clear();
    match->draw(2);

    // The two scores in the big font on either side of the bar, inside the score box.
    EXPECT_EQ(1, glyphsIn(sink, &bigGlyphs, 476, 7, 506, 59));
    EXPECT_EQ(1, glyphsIn(sink, &bigGlyphs, 528, 7, 559, 59));
    EXPECT_GE(firstGlyphX(sink, &bigGlyphs, 469, 559, 7, 59), 476.0f);
    // The names: the player's from x 200, the opponent's from x 654, both on row 13.
    EXPECT_FLOAT_EQ(200.0f, firstGlyphX(sink, &smallGlyphs, 160, 410, 13, 30));
    EXPECT_EQ(letters("ANN"), glyphsIn(sink, &smallGlyphs, 160, 13, 410, 30));
    EXPECT_EQ(letters(opponentName(3)), glyphsIn(sink, &smallGlyphs, 614, 13, 864, 30));
    EXPECT_GE(firstGlyphX(sink, &smallGlyphs, 614, 864, 13, 30), 654.0f);
    // The picture, whole, at the right edge.
    auto pic = std::find_if(sink.draws.begin(), sink.draws.end(),
                            [&](const SpriteDraw& d) { return d.texture == &picture; });
    ASSERT_NE(sink.draws.end(), pic);
    EXPECT_FLOAT_EQ(891.0f, pic->dstX);
    EXPECT_FLOAT_EQ(7.0f, pic->dstY);
    EXPECT_FLOAT_EQ(128.0f, pic->dstW);
    // His face again, small, as the icon of his panel (the player's panel keeps the
    // profile's figure).
    auto icon = std::find_if(std::next(pic), sink.draws.end(), [&](const SpriteDraw& d) { return d.texture == &picture; });
    ASSERT_NE(sink.draws.end(), icon);
    EXPECT_FLOAT_EQ(626.0f, icon->dstX);
    EXPECT_TRUE(icon->dstY >= 7.0f && icon->dstY + icon->dstH <= 29.0f);
    EXPECT_LE(icon->dstX + icon->dstW, 654.0f);
    // "ROD:" "ALL" in the panel at (5, 7), "ASSIST:" "OFF" below it, the frame rate and the
    // keys in the footer.
    EXPECT_EQ(letters("ROD:ALL"), glyphsIn(sink, &smallGlyphs, 5, 7, 133, 29));
    EXPECT_EQ(letters("ASSIST:OFF"), glyphsIn(sink, &smallGlyphs, 5, 42, 133, 64));
    game.renderer->fps = 57;
    sink.clear();
    match->draw(2);
    EXPECT_EQ(letters("FPS:57"), glyphsIn(sink, &smallGlyphs, 5, 741, 103, 763));
    EXPECT_EQ(letters("CONTROL:MOUSE,C,V,SPACE,1,2,3,4,X,D PAUSE:P QUIT:ESC"),
              glyphsIn(sink, &smallGlyphs, 140, 741, 615, 763));
    // The spin meter and its label.
    EXPECT_EQ(letters("BALL SPIN:"), glyphsIn(sink, &smallGlyphs, 140, 706, 238, 728));
}

TEST_F(MatchHud, FreePracticeHasNoScoreAndNoPicture)
{
    start(-1);
    sink.clear();
    match->draw(2);
    EXPECT_EQ(0, glyphsIn(sink, &bigGlyphs, 0, 0, 1024, 768));
    EXPECT_FLOAT_EQ(619.0f, firstGlyphX(sink, &smallGlyphs, 614, 864, 13, 30));
    EXPECT_EQ(letters("FREE PRACTICE"), glyphsIn(sink, &smallGlyphs, 614, 13, 864, 30));
    for (const SpriteDraw& d : sink.draws) EXPECT_LT(d.dstX + d.dstW, 880.0f);
}

TEST_F(MatchHud, AGoalIsAnnouncedUnderTheBannerAndThePauseInTheMiddle)
{
    start(0);
    goalCounted(1, 0, true);
    run(1.0f);  // fully faded in
    sink.clear();
    match->draw(2);
    const GuiAtlas::Rect& b = GuiAtlas::GoalBanner;
    auto banner = std::find_if(sink.draws.begin(), sink.draws.end(), [&](const SpriteDraw& d) {
        return d.srcX == b.x && d.srcY == b.y && d.srcW == b.width;
    });
    ASSERT_NE(sink.draws.end(), banner);
    EXPECT_FLOAT_EQ(512.0f - b.width / 2, banner->dstX);
    EXPECT_FLOAT_EQ(390.0f - b.height, banner->dstY);
    EXPECT_EQ(0xFF000000u, banner->colour & 0xFF000000u);
    // The text twice: the shadow two pixels right at y 402, then white at y 400, centred.
    const int shadow = glyphsIn(sink, &bigGlyphs, 0, 402, 1024, 403);
    const int white = glyphsIn(sink, &bigGlyphs, 0, 400, 1024, 401);
    EXPECT_EQ(letters("ANN SCORES"), white);
    EXPECT_EQ(white, shadow);
    const float left = firstGlyphX(sink, &bigGlyphs, 0, 1024, 400, 401);
    EXPECT_FLOAT_EQ(left + 2.0f, firstGlyphX(sink, &bigGlyphs, 0, 1024, 402, 403));
    const int width = game.renderer->textWidth(game.context.fontBig, "ANN SCORES");
    EXPECT_NEAR(512.0f - width / 2, left, 1.0f);

    // Paused: the table dims under the message panel at y 370 across the middle.
    auto dimmed = [&] {
        return std::any_of(sink.draws.begin(), sink.draws.end(), [](const SpriteDraw& d) {
            const std::uint32_t alpha = d.colour >> 24;
            return d.dstX <= 0.0f && d.dstY <= 0.0f && d.dstW >= 1024.0f && d.dstH >= 768.0f &&
                   (d.colour & 0x00FFFFFFu) == 0 && alpha >= 0x60 && alpha < 0xFF;
        });
    };
    EXPECT_FALSE(dimmed());
    press(Key::P);
    sink.clear();
    match->draw(2);
    EXPECT_GT(glyphsIn(sink, &smallGlyphs, 0, 376, 1024, 377), 0);
    EXPECT_TRUE(dimmed());
    press(Key::P);
    sink.clear();
    match->draw(2);
    EXPECT_EQ(0, glyphsIn(sink, &smallGlyphs, 0, 376, 1024, 377));
    EXPECT_FALSE(dimmed());
}

TEST_F(MatchHud, ALongNameEndsInItsPanelAndItsAnnouncementStaysOnTheScreen)
{
    profile->name = std::string(5000, 'W');  // only a save file could hold it
    start(0);
    goalCounted(1, 0, true);
    run(1.0f);
    sink.clear();
    match->draw(2);
    float nameRight = 0.0f, left = 1024.0f, right = 0.0f;
    int announced = 0;
    for (const SpriteDraw& d : sink.draws) {
        if (d.texture == &smallGlyphs && d.dstY >= 13 && d.dstY < 29 && d.dstX >= 200 && d.dstX < 600)
            nameRight = std::max(nameRight, d.dstX + d.dstW);
        if (d.texture == &bigGlyphs && d.dstY >= 400 && d.dstY < 401) {
            left = std::min(left, d.dstX);
            right = std::max(right, d.dstX + d.dstW);
            ++announced;
        }
    }
    // The player's panel runs from 160 to 410, its text 5 pixels inside.
    EXPECT_GT(nameRight, 350.0f);
    EXPECT_LE(nameRight, 405.0f);
    // The announcement keeps its verb and stays inside the screen.
    EXPECT_GT(announced, letters("SCORES"));
    EXPECT_GE(left, 0.0f);
    EXPECT_LE(right, 1024.0f);
    EXPECT_NE(std::string::npos, match->ticker.text().find(" SCORES"));
}

} // namespace
