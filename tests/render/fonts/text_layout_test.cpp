#include "render/fonts/FittedText.h"
#include "render/fonts/PBFontBig.h"
#include "render/fonts/TextLayout.h"
#include "support/CountingFont.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct PaintedGlyph {
    int sourceX, sourceY, x, y;
    std::uint32_t colour;
};

class RecordingPainter : public GlyphPainter {
public:
    std::vector<PaintedGlyph> glyphs;
    void paintGlyph(const KRFont&, const Glyph& g, int x, int y, std::uint32_t colour) override {
        glyphs.push_back({g.sourceX, g.sourceY, x, y, colour});
    }
    // The glyph drawn from the rectangle of character c in font.
    static bool isOf(const PaintedGlyph& p, const KRFont& font, char c) {
        Glyph g = font.glyphFor(c);
        return p.sourceX == g.sourceX && p.sourceY == g.sourceY;
    }
};

constexpr std::uint32_t kNormal = 0xFFFFFFFF;
constexpr std::uint32_t kHighlight = 0xFFFBAB18;

TEST(TextWidth, SumsGlyphsWithSpacingBetweenNeighbours) {
    PBFontSmall small(nullptr);
    PBFontBig big(nullptr);
    EXPECT_EQ(TextLayout::textWidth(small, ""), 0);
    EXPECT_EQ(TextLayout::textWidth(small, "A"), 10);
    EXPECT_EQ(TextLayout::textWidth(small, "AB"), 20);
    // A space advances 8 + 1 in the small font and 24 + 3 in the big one.
    EXPECT_EQ(TextLayout::textWidth(small, "A A") - TextLayout::textWidth(small, "AA"), 9);
    EXPECT_EQ(TextLayout::textWidth(big, "A A") - TextLayout::textWidth(big, "AA"), 27);
    // Characters without a glyph (and marks the big font lacks) are blanks of space width.
    EXPECT_EQ(TextLayout::textWidth(small, "@"), 8);
    EXPECT_EQ(TextLayout::textWidth(big, "A."), 27 + 3 + 24);
}

TEST(TextWidth, BracketsAreNotCountedButATrailingBracketKeepsTheSpacing) {
    PBFontSmall small(nullptr);
    EXPECT_EQ(TextLayout::textWidthWithoutBrackets(small, "AB"), 20);
    EXPECT_EQ(TextLayout::textWidthWithoutBrackets(small, "[A]B"), 20);
    EXPECT_EQ(TextLayout::textWidthWithoutBrackets(small, "A[B]"), 21);
    EXPECT_EQ(TextLayout::textWidthWithoutBrackets(small, "[]"), 0);
    EXPECT_EQ(TextLayout::textWidthWithoutBrackets(small, "[A"), 10);
}

TEST(DrawText, AdvancesByGlyphAndDropsSmallLettersOntoTheBaseline) {
    PBFontSmall small(nullptr);
    RecordingPainter painter;
    TextLayout::drawText(painter, small, "A a.", 100, 50, 0xFF00FF00);
    ASSERT_EQ(painter.glyphs.size(), 3u);  // the space is skipped, not drawn
    EXPECT_EQ(painter.glyphs[0].x, 100);
    EXPECT_EQ(painter.glyphs[0].y, 50);
    EXPECT_EQ(painter.glyphs[1].x, 100 + 11 + 9);
    EXPECT_EQ(painter.glyphs[1].y, 53);
    EXPECT_TRUE(RecordingPainter::isOf(painter.glyphs[1], small, 'a'));
    EXPECT_EQ(painter.glyphs[2].x, 100 + 11 + 9 + 8);
    EXPECT_EQ(painter.glyphs[2].y, 58);
    for (const auto& g : painter.glyphs) EXPECT_EQ(g.colour, 0xFF00FF00u);
}

TEST(DrawTwoColourText, BracketsSwitchColourAndLeaveNoGap) {
    PBFontSmall small(nullptr);
    RecordingPainter plain, coloured;
    TextLayout::drawText(plain, small, "PRESS SPACE", 10, 20, kNormal);
    TextLayout::drawTwoColourText(coloured, small, "PRESS [SPACE]", 10, 20, kNormal, kHighlight);
    ASSERT_EQ(coloured.glyphs.size(), plain.glyphs.size());
    for (size_t i = 0; i < plain.glyphs.size(); ++i) {
        EXPECT_EQ(coloured.glyphs[i].x, plain.glyphs[i].x) << i;
        EXPECT_EQ(coloured.glyphs[i].colour, i < 5 ? kNormal : kHighlight) << i;
    }
    // Brackets do not nest: the first ']' returns to the normal colour.
    RecordingPainter nested;
    TextLayout::drawTwoColourText(nested, small, "[[A]B]C", 0, 0, kNormal, kHighlight);
    ASSERT_EQ(nested.glyphs.size(), 3u);
    EXPECT_EQ(nested.glyphs[0].colour, kHighlight);
    EXPECT_EQ(nested.glyphs[1].colour, kNormal);
    EXPECT_EQ(nested.glyphs[2].colour, kNormal);
}

// Lines of a wrapped text, as the rows the glyphs were drawn on and the characters on each.
std::vector<std::pair<int, std::string>> drawnLines(const RecordingPainter& p, const KRFont& font) {
    std::vector<std::pair<int, std::string>> lines;
    for (const auto& g : p.glyphs) {
        int row = g.y;
        for (int c = 0; c < 256; ++c) {
            Glyph gl = font.glyphFor(static_cast<char>(c));
            if (gl.width != 0 && gl.sourceX == g.sourceX && gl.sourceY == g.sourceY) {
                row -= gl.yOffset;
                if (lines.empty() || lines.back().first != row) lines.push_back({row, ""});
                lines.back().second += static_cast<char>(c);
                break;
            }
        }
    }
    return lines;
}

TEST(DrawWrappedText, BreaksOnlyAtLineFeedsWithoutWidths) {
    PBFontSmall small(nullptr);
    RecordingPainter p;
    std::string longText(60, 'W');
    TextLayout::drawWrappedText(p, small, longText + " " + longText + "\nNEXT", 0, 100, kNormal, kHighlight, {});
    auto lines = drawnLines(p, small);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].first, 100);
    EXPECT_EQ(lines[0].second, longText + longText);
    EXPECT_EQ(lines[1].first, 120);
    EXPECT_EQ(lines[1].second, "NEXT");
}

TEST(DrawWrappedText, DoubleLineFeedBreaksOnceAndASpaceHidesALineFeed) {
    PBFontSmall small(nullptr);
    RecordingPainter twoFeeds, spaceFirst;
    TextLayout::drawWrappedText(twoFeeds, small, "AB\n\nCD", 0, 0, kNormal, kHighlight, {});
    auto lines = drawnLines(twoFeeds, small);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].first, 20);
    TextLayout::drawWrappedText(spaceFirst, small, "AB \nCD", 0, 0, kNormal, kHighlight, {});
    lines = drawnLines(spaceFirst, small);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].second, "ABCD");
    EXPECT_EQ(spaceFirst.glyphs[2].x, 21 + 9);  // AB, then the space that replaced the feed
}

TEST(DrawWrappedText, WidthBreaksFollowTheListThenUnlimited) {
    PBFontSmall small(nullptr);
    RecordingPainter p;
    // "AAA" is 32 wide, so each word costs 33 plus a following space of 8.
    TextLayout::drawWrappedText(p, small, "AAA AAA AAA AAA AAA", 5, 0, kNormal, kHighlight, {75, 40});
    auto lines = drawnLines(p, small);
    ASSERT_EQ(lines.size(), 3u);
    // Line 0: 0 + 33 < 75, then 41 + 33 = 74 < 75: two words. Line 1: w = 33, 33 + 33 >= 40:
    // one word. Line 2 is beyond the list and takes the rest.
    EXPECT_EQ(lines[0].second, "AAAAAA");
    EXPECT_EQ(lines[1].second, "AAA");
    EXPECT_EQ(lines[2].second, "AAAAAA");
    EXPECT_EQ(lines[2].first, 40);
    EXPECT_EQ(p.glyphs[0].x, 5);
}

TEST(DrawWrappedText, AWordThatOpensALineIsNotChargedItsSpace) {
    PBFontSmall small(nullptr);
    RecordingPainter p;
    // After the break the line holds one word at w = 33; the next fits since 33 + 33 < 70,
    // which it would not if the break had charged the following space (41 + 33 >= 70).
    TextLayout::drawWrappedText(p, small, "AAA AAA AAA AAA", 0, 0, kNormal, kHighlight, {40, 70});
    auto lines = drawnLines(p, small);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].second, "AAA");
    EXPECT_EQ(lines[1].second, "AAAAAA");
    EXPECT_EQ(lines[2].second, "AAA");
}

TEST(DrawWrappedText, HighlightWorksInsideWrappedLines) {
    PBFontSmall small(nullptr);
    RecordingPainter p;
    TextLayout::drawWrappedText(p, small, "A [B] C", 0, 0, kNormal, kHighlight, {});
    ASSERT_EQ(p.glyphs.size(), 3u);
    EXPECT_EQ(p.glyphs[0].colour, kNormal);
    EXPECT_EQ(p.glyphs[1].colour, kHighlight);
    EXPECT_EQ(p.glyphs[2].colour, kNormal);
    EXPECT_EQ(p.glyphs[1].x, 10 + 1 + 9);
}

// The longest beginning of text no wider than maxWidth, found the slow obvious way.
std::size_t fitByShortening(const KRFont& font, std::string text, int maxWidth) {
    while (!text.empty() && TextLayout::textWidth(font, text) > maxWidth) text.pop_back();
    return text.size();
}

TEST(FittingText, KeepsTheLongestBeginningThatFitsInOnePass) {
    PBFontSmall small(nullptr);
    PBFontBig big(nullptr);
    const std::vector<std::string> texts = {"", "A", "AB", "W W W", "TESTER 2", "a.b,c!", "\x01\xff[x]", "WWWWWWWWWW"};
    for (const KRFont* font : {static_cast<const KRFont*>(&small), static_cast<const KRFont*>(&big)})
        for (const std::string& text : texts)
            for (int width = -1; width <= TextLayout::textWidth(*font, text) + 2; ++width)
                EXPECT_EQ(TextLayout::fittingLength(*font, text, width), fitByShortening(*font, text, width))
                    << '"' << text << "\" in " << width;

    // A megabyte of name costs the glyphs that fit and one more, not the megabyte.
    CountingFont counting;
    const std::string huge(1u << 20, 'W');
    const std::size_t fits = TextLayout::fittingLength(counting, huge, 200);
    EXPECT_EQ(fits, fitByShortening(small, huge.substr(0, 64), 200));
    EXPECT_EQ(counting.lookups, static_cast<long>(fits) + 1);
}

TEST(FittingText, AFittedTextIsFittedAgainOnlyWhenTextFontOrWidthChange) {
    CountingFont counting;
    PBFontSmall other(nullptr);
    FittedText name;
    EXPECT_EQ(name.fit(counting, "ANNA", 100), "ANNA");
    const long once = counting.lookups;
    for (int frame = 0; frame < 100; ++frame) EXPECT_EQ(name.fit(counting, "ANNA", 100), "ANNA");
    EXPECT_EQ(counting.lookups, once);
    EXPECT_EQ(name.fit(counting, "ANNA", 25), "AN");
    EXPECT_EQ(name.fit(counting, "BOB", 25), "BO");
    EXPECT_EQ(name.fit(other, "BOB", 100), "BOB");
    EXPECT_GT(counting.lookups, once);
}

}  // namespace
