// The best-achievements table (ten rows at most, best first, empty without results, odd
// rows from a damaged file drawn without harm) and the credits screen.
#include "control/Opponent.h"
#include "screens/BestAchievementsScreen.h"
#include "screens/CreatorsScreen.h"
#include "screens/MenuTexts.h"
#include "screens/menus_b/MenusFixture.h"
#include "support/CountingFont.h"

#include <map>
#include <memory>

namespace {

struct BestTableTest : MenusFixture {
    BestAchievementsScreen* best = nullptr;
    void SetUp() override {
        MenusFixture::SetUp();
        best = new BestAchievementsScreen(&game.context, game.renderer);
        game.context.screens.bestAchievementsScreen = best;
    }
    // Glyphs drawn in the name column per table row (rows from 0).
    std::map<int, int> nameGlyphsByRow() {
        std::map<int, int> rows;
        for (const SpriteDraw& g : smallText()) {
            if (g.dstX < 287 || g.dstX >= 480 || g.dstY < 190) continue;
            rows[(static_cast<int>(g.dstY) - 195) / 34]++;
        }
        return rows;
    }
};

TEST_F(BestTableTest, TenRowsAtMostBestFirst)
{
    // Twelve rows, as a damaged file could hold; names of 1..12 letters mark the order.
    for (int i = 0; i < 12; ++i)
        game.profileStore.best.push_back({std::string(static_cast<std::size_t>(i + 1), 'A'), 7 - i % 8, i % 5});
    enter(best);
    sink.clear();
    best->draw(2);
    std::map<int, int> rows = nameGlyphsByRow();
    ASSERT_EQ(10u, rows.size());
    for (int r = 0; r < 10; ++r) EXPECT_EQ(r + 1, rows[r]) << "row " << r;

    // The first row: place 1, the result 5-0, the opponent's name.
    std::string firstOpponent = game.opponents[7]->name;
    int letters = 0;
    for (char c : firstOpponent) letters += c != ' ';
    int against = 0, result = 0, place = 0;
    for (const SpriteDraw& g : smallText()) {
        if (g.dstY < 195 || g.dstY > 204) continue;
        if (g.dstX >= 557 && g.dstX < 736) ++against;
        if (g.dstX >= 487 && g.dstX < 550) ++result;
        if (g.dstX >= 250 && g.dstX < 280) ++place;
    }
    EXPECT_EQ(letters, against);
    EXPECT_EQ(3, result);  // "5-0"
    EXPECT_EQ(2, place);   // "1."
}

TEST_F(BestTableTest, EmptyTableWithoutResultsAndOddRowsDrawnSafely)
{
    enter(best);
    sink.clear();
    best->draw(2);
    EXPECT_TRUE(nameGlyphsByRow().empty());
    // The header is there all the same.
    int header = 0;
    for (const SpriteDraw& g : smallText())
        if (g.dstY >= 160 && g.dstY < 180) ++header;
    EXPECT_EQ(4 + 6 + 7, header);  // NAME, RESULT, AGAINST

    // A row naming no opponent and a name far too long for its column.
    game.profileStore.best.push_back({std::string(300, 'W'), 42, 3});
    game.profileStore.best.push_back({"BO", -5, 1});
    sink.clear();
    best->draw(2);
    for (const SpriteDraw& g : smallText())
        if (g.dstY >= 190 && g.dstX >= 287) {
            EXPECT_TRUE(g.dstX + g.dstW <= 480 || g.dstX >= 487) << g.dstX;
        }
    std::map<int, int> rows = nameGlyphsByRow();
    EXPECT_EQ(2u, rows.size());
    EXPECT_EQ(2, rows[1]);

    click(best, "back");
    EXPECT_EQ(game.context.screens.profilesScreen, afterFade(best));
}

TEST_F(MenusFixture, CreditsShowTheVersionOnTheirPanelAndLeadBack)
{
    CreatorsScreen* creators = new CreatorsScreen(&game.context, game.renderer);
    game.context.screens.creatorsScreen = creators;
    ASSERT_NE(button(creators, "back"), nullptr);
    for (const char* library : {"SDL2", "OpenGL", "libepoxy", "OpenAL", "freealut", "libvorbis", "stb", "FreeType",
                                "GoogleTest"})
        EXPECT_NE(std::string::npos, creditsText().find(library)) << library;

    enter(creators);
    sink.clear();
    creators->draw(2);
    int onPanel = 0;
    for (const SpriteDraw& g : smallText()) {
        if (g.dstX < CreatorsScreen::kPanelX) continue;  // the back button's label
        ++onPanel;
        EXPECT_LE(g.dstX + g.dstW, CreatorsScreen::kPanelX + CreatorsScreen::kPanelWidth) << g.dstX;
        EXPECT_LE(g.dstY + g.dstH, CreatorsScreen::kPanelY + CreatorsScreen::kPanelHeight) << g.dstY;
    }
    EXPECT_GT(onPanel, 200) << "version and credits";
    click(creators, "back");
    EXPECT_EQ(game.context.screens.profilesScreen, afterFade(creators));
}

}  // namespace

namespace {

TEST_F(BestTableTest, ALongNameIsFittedOnceNotMeasuredAgainEveryFrame)
{
    // The small font counts its glyph lookups: the work of measuring, not its time.
    // The buttons made with the screen keep the font they were given.
    std::unique_ptr<PBFontSmall> buttonsFont(game.context.fontSmall);
    CountingFont* counting = new CountingFont(&smallGlyphs);
    game.context.fontSmall = counting;
    const std::string longName(20000, 'W');
    game.profileStore.best.push_back({longName, 3, 2});
    enter(best);
    sink.clear();
    best->draw(2);
    // The name is cut where its column ends, the rest of the row drawn as usual.
    EXPECT_LT(counting->lookups, 2000);
    std::map<int, int> rows = nameGlyphsByRow();
    ASSERT_EQ(1u, rows.size());
    EXPECT_GT(rows[0], 10);
    for (const SpriteDraw& g : smallText()) {
        if (g.dstY >= 190 && g.dstX >= 287 && g.dstX < 480) {
            EXPECT_LE(g.dstX + g.dstW, 480);
        }
    }

    // Later frames draw the cut name again but do not fit it again: each costs the first
    // frame's lookups less the fitting (the glyphs that fit and the one that did not).
    const long firstFrame = counting->lookups;
    best->draw(2);
    const long secondFrame = counting->lookups - firstFrame;
    EXPECT_EQ(firstFrame - secondFrame, rows[0] + 1);
    best->draw(2);
    EXPECT_EQ(counting->lookups - firstFrame - secondFrame, secondFrame);
}

}  // namespace
