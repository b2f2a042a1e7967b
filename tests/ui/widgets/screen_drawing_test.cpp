#include "app/Game.h"
#include "render/Renderer.h"
#include "render/fonts/PBFontBig.h"
#include "render/fonts/PBFontSmall.h"
#include "support/RecordingSpriteSink.h"
#include "ui/GUIStyle.h"
#include "screens/PBScreen.h"
#include "ui/widgets/PBButton.h"

#include <gtest/gtest.h>

namespace {

// A game with no devices: its renderer draws into a recorder.
struct ScreenDrawingTest : ::testing::Test {
    Game game;
    RecordingSpriteSink sink;
    TextureRecord atlas, puppet, smallGlyphs, bigGlyphs;
    PBScreen* menu = nullptr;
    PBScreen* other = nullptr;

    void SetUp() override {
        game.renderer->spriteSink = &sink;
        game.context.guiStyle = new GUIStyle(game.renderer);
        game.context.guiStyle->texture = &atlas;
        game.context.fontSmall = new PBFontSmall(&smallGlyphs);
        game.context.fontBig = new PBFontBig(&bigGlyphs);
        puppet.width = 110;
        puppet.height = 128;
        menu = makeScreen(true);
        other = makeScreen(true);
    }
    void TearDown() override {
        delete menu;
        delete other;
    }
    PBScreen* makeScreen(bool framed) {
        PBScreen* s = new PBScreen(&game.context, game.renderer);
        s->framed = framed;
        s->guiTexture = &atlas;
        s->puppetTexture = &puppet;
        return s;
    }
    static void expectSolid(const SpriteDraw& d, float x, float y, float w, float h, std::uint32_t colour) {
        EXPECT_EQ(d.srcX, 1);
        EXPECT_EQ(d.srcY, 1);
        EXPECT_FLOAT_EQ(d.dstX, x);
        EXPECT_FLOAT_EQ(d.dstY, y);
        EXPECT_FLOAT_EQ(d.dstW, w);
        EXPECT_FLOAT_EQ(d.dstH, h);
        EXPECT_EQ(d.colour, colour);
    }
    static bool isLogo(const SpriteDraw& d) { return d.srcX == 490 && d.srcY == 0 && d.srcW == 333 && d.srcH == 95; }
};

TEST_F(ScreenDrawingTest, FramedScreenDrawsBarsBackgroundWidgetsThenTitle) {
    menu->title = "AB";
    menu->titleSlide = 66;
    PBButton* button = menu->addButton("play", "GO", 400, 300, 200);
    EXPECT_EQ(button->x, 400);
    EXPECT_EQ(button->y, 300);
    EXPECT_EQ(button->font, game.context.fontSmall);
    ASSERT_EQ(menu->components.size(), 1u);
    menu->draw(2);
    const std::uint32_t* c = game.context.guiStyle->colours;
    ASSERT_GE(sink.draws.size(), 5u);
    expectSolid(sink.draws[0], 0, 0, 1024, 44, c[0]);
    expectSolid(sink.draws[1], 0, 44, 1024, 10, c[4]);
    const SpriteDraw& bg = sink.draws[2];
    EXPECT_EQ(bg.srcY, 350);
    EXPECT_EQ(bg.srcW, 1024);
    EXPECT_EQ(bg.srcH, 660);
    EXPECT_FLOAT_EQ(bg.dstY, 54);
    EXPECT_EQ(bg.colour, 0xFFFFFFFFu);
    expectSolid(sink.draws[3], 0, 714, 1024, 10, c[4]);
    expectSolid(sink.draws[4], 0, 724, 1024, 44, c[0]);
    // The button's bar comes before the title, which is drawn last in the big font.
    EXPECT_FLOAT_EQ(sink.draws[5].dstX, 398);
    ASSERT_EQ(sink.draws[sink.draws.size() - 2].texture, &bigGlyphs);
    EXPECT_FLOAT_EQ(sink.draws[sink.draws.size() - 2].dstX, 6);
    EXPECT_FLOAT_EQ(sink.draws.back().dstY, 6);
    EXPECT_EQ(sink.draws.back().colour, c[2]);

    // At the start of a fade-in the title waits off to the left.
    sink.clear();
    menu->transition = PBScreen::FadingIn;
    menu->transitionTime = 0.0f;
    menu->draw(2);
    EXPECT_FLOAT_EQ(sink.draws[sink.draws.size() - 2].dstX, 6 - 66);
}

TEST_F(ScreenDrawingTest, UnframedScreenDrawsOnlyItsWidgets) {
    PBScreen* bare = makeScreen(false);
    bare->draw(2);
    EXPECT_TRUE(sink.draws.empty());
    bare->addButton("x", "X", 10, 10, 100);
    bare->draw(2);
    EXPECT_EQ(sink.draws.front().srcX, 62);
    delete bare;
}

TEST_F(ScreenDrawingTest, FadeBetweenMenusDarkensOnlyTheMiddleUnderTheLogo) {
    menu->switchTo(other);
    menu->transitionTime = 0.4f;
    menu->draw(3);
    ASSERT_EQ(sink.draws.size(), 3u);
    expectSolid(sink.draws[0], 0, 54, 1024, 660, 127u << 24);
    EXPECT_TRUE(isLogo(sink.draws[1]));
    EXPECT_FLOAT_EQ(sink.draws[1].dstX, 694);
    EXPECT_FLOAT_EQ(sink.draws[1].dstY, 2);
    EXPECT_EQ(sink.draws[2].texture, &puppet);
    EXPECT_FLOAT_EQ(sink.draws[2].dstY, 640);
}

TEST_F(ScreenDrawingTest, FadeTowardsAnUnframedScreenCoversTheLogoToo) {
    PBScreen* match = makeScreen(false);
    menu->switchTo(match);
    menu->transitionTime = 0.8f;
    menu->draw(3);
    ASSERT_EQ(sink.draws.size(), 3u);
    EXPECT_TRUE(isLogo(sink.draws[0]));
    expectSolid(sink.draws[2], 0, 0, 1024, 768, 254u << 24);

    // An unframed screen fades over the whole screen and has no logo.
    sink.clear();
    match->transition = PBScreen::FadingIn;
    match->transitionTime = 0.2f;
    match->draw(3);
    ASSERT_EQ(sink.draws.size(), 1u);
    expectSolid(sink.draws[0], 0, 0, 1024, 768, 190u << 24);
    delete match;
}

TEST_F(ScreenDrawingTest, NoOverlayWhenShown) {
    menu->draw(3);
    ASSERT_EQ(sink.draws.size(), 2u);
    EXPECT_TRUE(isLogo(sink.draws[0]));
}

TEST_F(ScreenDrawingTest, MessageBoxIsCentredWithItsHighlight) {
    menu->drawMessageBox("AB [A]");
    // Width in the small font counts the brackets as blanks: 10+1+9+1+8+1+8+1+10+1+8 = 58.
    const int textWidth = game.renderer->textWidth(game.context.fontSmall, "AB [A]");
    ASSERT_EQ(textWidth, 58);
    expectSolid(sink.draws[0], 512 - 118 / 2, 370, 118, 22, game.context.guiStyle->colours[0]);
    std::vector<SpriteDraw> text;
    for (const SpriteDraw& d : sink.draws)
        if (d.texture == &smallGlyphs) text.push_back(d);
    ASSERT_EQ(text.size(), 3u);
    EXPECT_FLOAT_EQ(text[0].dstX, 512 - 29);
    EXPECT_FLOAT_EQ(text[0].dstY, 376);
    EXPECT_EQ(text[1].colour, game.context.guiStyle->colours[2]);
    EXPECT_EQ(text[2].colour, game.context.guiStyle->colours[3]);
}

}  // namespace
