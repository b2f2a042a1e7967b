// The help screen: paging and its enabled rules, the way back to whoever opened it, and
// the pages as a player sees them (readable characters, highlights that survive a line
// break, every page on its panel).
#include "screens/HelpScreen.h"
#include "screens/HighlightWords.h"
#include "screens/MenuTexts.h"
#include "screens/menus_b/MenusFixture.h"

#include <algorithm>
#include <set>

namespace {

struct HelpScreenTest : MenusFixture {
    HelpScreen* help = nullptr;
    void SetUp() override {
        MenusFixture::SetUp();
        help = new HelpScreen(&game, game.renderer);
        game.helpScreen = help;
    }
};

TEST_F(HelpScreenTest, PagesStepWithinTheFourAndTheButtonsFollow)
{
    EXPECT_EQ("HELP", help->title);
    EXPECT_TRUE(help->framed);
    ASSERT_EQ(4, help->pageCount());
    PBButton* previous = button(help, "previous");
    PBButton* back = button(help, "back");
    PBButton* next = button(help, "next");
    ASSERT_TRUE(previous && back && next);
    EXPECT_EQ("PREVIOUS PAGE", previous->label);
    EXPECT_EQ("EXIT FROM HELP", back->label);
    EXPECT_EQ("NEXT PAGE", next->label);
    EXPECT_EQ(30, previous->x);
    EXPECT_EQ(437, back->x);
    EXPECT_EQ(844, next->x);
    EXPECT_EQ(630, next->y);

    enter(help);
    EXPECT_EQ(0, help->page);
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
    click(help, "next");
    help->onCommand("next");  // even a command that slips past the button changes nothing
    EXPECT_EQ(3, help->page);

    click(help, "previous");
    EXPECT_EQ(2, help->page);
    EXPECT_TRUE(next->enabled);

    // The page shown stays between visits.
    help->onLeave();
    enter(help);
    EXPECT_EQ(2, help->page);
    EXPECT_TRUE(previous->enabled);
    EXPECT_TRUE(next->enabled);
}

TEST_F(HelpScreenTest, BackReturnsToTheScreenThatOpenedIt)
{
    help->returnScreen = game.playerScreen;
    enter(help);
    click(help, "back");
    EXPECT_EQ(game.playerScreen, afterFade(help));

    // Opened without saying where from: the main menu.
    help->returnScreen = nullptr;
    enter(help);
    click(help, "back");
    EXPECT_EQ(game.profilesScreen, afterFade(help));

    // Paging does not leave the screen.
    enter(help);
    click(help, "next");
    EXPECT_EQ(help, afterFade(help));
}

TEST_F(HelpScreenTest, EveryPageIsDrawnOnItsPanelWithEmptyLinesKept)
{
    enter(help);
    std::set<std::string> seen;
    for (int page = 0; page < 4; ++page) {
        help->page = page;
        sink.clear();
        help->draw(2);
        std::vector<SpriteDraw> glyphs = smallText();
        ASSERT_GT(glyphs.size(), 50u) << "page " << page;
        // Glyphs of the page itself: those above the buttons.
        float top = 1e9f, bottom = 0, left = 1e9f, right = 0;
        std::set<int> lines;
        for (const SpriteDraw& g : glyphs) {
            if (g.dstY >= 620) continue;
            top = std::min(top, g.dstY);
            bottom = std::max(bottom, g.dstY + g.dstH);
            left = std::min(left, g.dstX);
            right = std::max(right, g.dstX + g.dstW);
            lines.insert(static_cast<int>(g.dstY - HelpScreen::kTextY) / 20);
        }
        EXPECT_GE(left, HelpScreen::kTextX) << page;
        EXPECT_LE(right, HelpScreen::kTextX + HelpScreen::kTextWidth) << page;
        EXPECT_GE(top, HelpScreen::kTextY) << page;
        EXPECT_LT(bottom, 600) << "page " << page << " runs off its panel";
        // The "|" line under the heading is an empty line: nothing at the second line.
        bool secondLineEmpty = true;
        for (const SpriteDraw& g : glyphs)
            if (g.dstY >= HelpScreen::kTextY + 20 && g.dstY < HelpScreen::kTextY + 40) secondLineEmpty = false;
        EXPECT_TRUE(secondLineEmpty) << page;
        // The heading is highlighted.
        auto heading = std::find_if(glyphs.begin(), glyphs.end(), [](const SpriteDraw& g) { return g.dstY < 620; });
        ASSERT_NE(heading, glyphs.end());
        EXPECT_EQ(game.guiStyle->colours[3], heading->colour) << page;
        seen.insert(std::to_string(glyphs.size()) + "/" + std::to_string(lines.size()));
    }
    EXPECT_EQ(4u, seen.size()) << "the four pages draw different texts";
}

TEST(HelpTexts, EveryCharacterHasAGlyphInTheSmallFont)
{
    PBFontSmall font(nullptr);
    std::vector<std::string> texts = helpPages();
    texts.push_back(creditsText());
    for (const std::string& text : texts)
        for (char c : text) {
            if (c == ' ' || c == '\n' || c == '[' || c == ']' || c == '|') continue;
            EXPECT_NE(-1, font.glyphIndex(static_cast<unsigned char>(c)))
                << "'" << c << "' would show as a blank in: " << text.substr(0, 40);
        }
}

TEST(HighlightWords, EveryWordOfAHighlightKeepsItsOwnBrackets)
{
    EXPECT_EQ("[LEFT] [BUTTON] plays", highlightWordByWord("[LEFT BUTTON] plays"));
    EXPECT_EQ("plain text, no brackets", highlightWordByWord("plain text, no brackets"));
    EXPECT_EQ("[A]  [B] c d", highlightWordByWord("[A  B] c d"));
    EXPECT_EQ("[A] \n[B]", highlightWordByWord("[A \nB]"));
    EXPECT_EQ("[A ] x", highlightWordByWord("[A ] x"));
    EXPECT_EQ("[A] [B", highlightWordByWord("[A B"));
    EXPECT_EQ("", highlightWordByWord(""));
}

TEST_F(MenusFixture, AHighlightBrokenOverTwoLinesStaysHighlighted)
{
    // "[ROTATION BOUNDARIES]" does not fit on one 150-pixel line with "AA": it breaks.
    const std::string text = highlightWordByWord("AA [ROTATION BOUNDARIES] BB");
    game.renderer->drawWrappedText(game.fontSmall, text, 0, 0, 0xFFFFFFFFu, 0xFFFBAB18u, {150, 150, 150});
    std::vector<SpriteDraw> glyphs = smallText();
    ASSERT_EQ(22u, glyphs.size());
    std::set<int> lines;
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        lines.insert(static_cast<int>(glyphs[i].dstY) / 20);
        const bool highlighted = i >= 2 && i < 20;
        EXPECT_EQ(highlighted ? 0xFFFBAB18u : 0xFFFFFFFFu, glyphs[i].colour) << i;
    }
    EXPECT_GE(lines.size(), 2u) << "the text was expected to break";
}

}  // namespace
