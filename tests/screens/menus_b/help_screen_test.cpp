// The help screen: paging and its enabled rules, the way back to whoever opened it, and
// the pages as a player sees them (readable characters, highlights that survive a line
// break, every page on its panel).
#include "screens/HelpScreen.h"
#include "screens/HighlightWords.h"
#include "screens/MenuTexts.h"
#include "screens/menus_b/MenusFixture.h"

namespace {

struct HelpScreenTest : MenusFixture {
    HelpScreen* help = nullptr;
    void SetUp() override {
        MenusFixture::SetUp();
        help = new HelpScreen(&game.context, game.renderer);
        game.context.screens.helpScreen = help;
    }
};

TEST_F(HelpScreenTest, PagesStepWithinTheFourAndTheButtonsFollow)
{
    PBButton* previous = button(help, "previous");
    PBButton* next = button(help, "next");
    ASSERT_TRUE(previous && next && button(help, "back"));
    enter(help);
    EXPECT_FALSE(previous->enabled);
    EXPECT_TRUE(next->enabled);
    click(help, "previous");  // disabled: ignored
    EXPECT_EQ(0, help->page);
    for (int expected = 1; expected <= 3; ++expected) {
        click(help, "next");
        EXPECT_EQ(expected, help->page);
        EXPECT_TRUE(previous->enabled);
    }
    EXPECT_FALSE(next->enabled);
    help->onCommand("next");  // even a command that slips past the button changes nothing
    EXPECT_EQ(3, help->page);
    click(help, "previous");
    EXPECT_TRUE(next->enabled);
    // The page shown stays between visits.
    enter(help);
    EXPECT_EQ(2, help->page);
}

TEST_F(HelpScreenTest, BackReturnsToTheScreenThatOpenedIt)
{
    help->returnScreen = game.context.screens.playerScreen;
    enter(help);
    click(help, "next");
    EXPECT_EQ(help, afterFade(help));  // paging stays here
    click(help, "back");
    EXPECT_EQ(game.context.screens.playerScreen, afterFade(help));
    // Opened without saying where from: the main menu.
    help->returnScreen = nullptr;
    enter(help);
    click(help, "back");
    EXPECT_EQ(game.context.screens.profilesScreen, afterFade(help));
}

TEST_F(HelpScreenTest, EveryPageIsDrawnOnItsPanelWithEmptyLinesKept)
{
    enter(help);
    // The four pages, then the page on pads and two players.
    for (int page = 0; page < 5; ++page) {
        help->page = page % 4;
        help->showingPadPage = page == 4;
        sink.clear();
        help->draw(2);
        std::vector<SpriteDraw> glyphs;
        for (const SpriteDraw& g : smallText())
            if (g.dstY < 620) glyphs.push_back(g);  // not the buttons' labels
        ASSERT_GT(glyphs.size(), 50u) << "page " << page;
        EXPECT_EQ(game.context.guiStyle->colours[3], glyphs.front().colour) << "highlighted heading, page " << page;
        for (const SpriteDraw& g : glyphs) {
            EXPECT_GE(g.dstX, HelpScreen::kTextX);
            EXPECT_LE(g.dstX + g.dstW, HelpScreen::kTextX + HelpScreen::kTextWidth) << "page " << page;
            EXPECT_LT(g.dstY + g.dstH, 600) << "page " << page << " runs off its panel";
            // The "|" line under the heading is an empty line.
            EXPECT_FALSE(g.dstY >= HelpScreen::kTextY + 20 && g.dstY < HelpScreen::kTextY + 40) << page;
        }
    }
}

TEST(HelpTexts, EveryCharacterHasAGlyphInTheSmallFont)
{
    PBFontSmall font(nullptr);
    std::vector<std::string> texts = helpPages();
    texts.push_back(creditsText());
    texts.push_back(padHelpPage());
    for (const std::string& text : texts)
        for (char c : text)
            if (c != ' ' && c != '\n' && c != '[' && c != ']' && c != '|') {
                EXPECT_NE(-1, font.glyphIndex(static_cast<unsigned char>(c))) << "'" << c << "' shows as a blank";
            }
}

TEST_F(MenusFixture, AHighlightBrokenOverTwoLinesStaysHighlighted)
{
    EXPECT_EQ("[A]  [B] c [D ]", highlightWordByWord("[A  B] c [D ]"));
    EXPECT_EQ("[A] \n[B", highlightWordByWord("[A \nB"));
    // "[ROTATION BOUNDARIES]" does not fit on one 150-pixel line with "AA": it breaks.
    const std::string text = highlightWordByWord("AA [ROTATION BOUNDARIES] BB");
    game.renderer->drawWrappedText(game.context.fontSmall, text, 0, 0, 0xFFFFFFFFu, 0xFFFBAB18u, {150, 150, 150});
    std::vector<SpriteDraw> glyphs = smallText();
    ASSERT_EQ(22u, glyphs.size());
    EXPECT_GT(glyphs[19].dstY, glyphs[2].dstY) << "the text was expected to break";
    for (std::size_t i = 0; i < glyphs.size(); ++i)
        EXPECT_EQ(i >= 2 && i < 20 ? 0xFFFBAB18u : 0xFFFFFFFFu, glyphs[i].colour) << i;
}

}  // namespace
