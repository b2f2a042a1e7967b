#include "render/fonts/PBFontBig.h"
#include "render/fonts/PBFontSmall.h"

#include <gtest/gtest.h>

namespace {

void expectGlyph(const Glyph& g, int sx, int sy, int w, int h, int yOffset) {
    EXPECT_EQ(g.sourceX, sx);
    EXPECT_EQ(g.sourceY, sy);
    EXPECT_EQ(g.width, w);
    EXPECT_EQ(g.height, h);
    EXPECT_EQ(g.yOffset, yOffset);
}

TEST(FontTables, CharacterSetIndexing) {
    PBFontSmall font(nullptr);
    EXPECT_EQ(font.glyphIndex('0'), 0);
    EXPECT_EQ(font.glyphIndex('9'), 9);
    EXPECT_EQ(font.glyphIndex('A'), 10);
    EXPECT_EQ(font.glyphIndex('Z'), 35);
    EXPECT_EQ(font.glyphIndex('a'), 36);
    EXPECT_EQ(font.glyphIndex('z'), 61);
    const char marks[] = ".:-,!/)(?'";
    for (int i = 0; i < 10; ++i) EXPECT_EQ(font.glyphIndex(static_cast<unsigned char>(marks[i])), 62 + i) << marks[i];
    for (int c : {int(' '), int('['), int(']'), int('\n'), int('@'), int('_'), 0xE9, 0})
        EXPECT_EQ(font.glyphIndex(static_cast<unsigned char>(c)), -1) << c;
}

TEST(FontTables, MetricsAndTellingRows) {
    PBFontSmall small(nullptr);
    EXPECT_EQ(small.spacing, 1);
    EXPECT_EQ(small.spaceWidth, 8);
    EXPECT_EQ(small.lineHeight, 20);
    ASSERT_EQ(small.glyphs.size(), 72u);
    expectGlyph(small.glyphs[0], 8, 36, 8, 11, 0);
    expectGlyph(small.glyphs[36], 109, 36, 7, 8, 3);
    expectGlyph(small.glyphs[42], 14, 0, 9, 12, 2);
    expectGlyph(small.glyphs[62], 116, 40, 6, 4, 8);
    expectGlyph(small.glyphs[71], 8, 50, 4, 5, 0);
    EXPECT_EQ(small.glyphs[10].width, 10);  // A
    EXPECT_EQ(small.glyphs[11].width, 9);   // B

    PBFontBig big(nullptr);
    EXPECT_EQ(big.spacing, 3);
    EXPECT_EQ(big.spaceWidth, 24);
    ASSERT_EQ(big.glyphs.size(), 62u);
    expectGlyph(big.glyphs[0], 125, 137, 25, 32, 0);
    expectGlyph(big.glyphs[10], 124, 105, 27, 32, 0);
    expectGlyph(big.glyphs[18], 241, 0, 7, 32, 0);
    expectGlyph(big.glyphs[26], 13, 0, 27, 38, 0);
    expectGlyph(big.glyphs[32], 104, 41, 41, 32, 0);
    for (int i = 36; i < 62; ++i) {
        EXPECT_EQ(big.glyphs[i].sourceX, small.glyphs[i].sourceX) << i;
        EXPECT_EQ(big.glyphs[i].sourceY, small.glyphs[i].sourceY) << i;
        EXPECT_EQ(big.glyphs[i].width, small.glyphs[i].width) << i;
    }
}

TEST(FontTables, RowsFollowTheBaselineRules) {
    PBFontSmall small(nullptr);
    PBFontBig big(nullptr);
    for (int i = 0; i < 36; ++i) {
        EXPECT_EQ(small.glyphs[i].height, 11) << i;
        EXPECT_EQ(small.glyphs[i].yOffset, 0) << i;
        EXPECT_EQ(big.glyphs[i].yOffset, 0) << i;
        if (i != 26) {
            EXPECT_EQ(big.glyphs[i].height, 32) << i;
        }
    }
    for (char c : std::string("acemnorsuvwxz")) {
        const Glyph& g = small.glyphs[static_cast<size_t>(small.glyphIndex(static_cast<unsigned char>(c)))];
        EXPECT_EQ(g.height, 8) << c;
        EXPECT_EQ(g.yOffset, 3) << c;
    }
}

// Glyphs of one font picture must not overlap, or one letter would show part of another.
void expectDisjoint(const std::vector<Glyph>& glyphs, size_t count, int textureW, int textureH) {
    for (size_t i = 0; i < count; ++i) {
        const Glyph& a = glyphs[i];
        EXPECT_GT(a.width, 0) << i;
        EXPECT_LE(a.sourceX + a.width, textureW) << i;
        EXPECT_LE(a.sourceY + a.height, textureH) << i;
        for (size_t j = i + 1; j < count; ++j) {
            const Glyph& b = glyphs[j];
            bool overlap = a.sourceX < b.sourceX + b.width && b.sourceX < a.sourceX + a.width &&
                           a.sourceY < b.sourceY + b.height && b.sourceY < a.sourceY + a.height;
            EXPECT_FALSE(overlap) << i << " and " << j;
        }
    }
}

TEST(FontTables, GlyphRectanglesAreDisjointInsideTheirPicture) {
    expectDisjoint(PBFontSmall(nullptr).glyphs, 72, 256, 64);
    expectDisjoint(PBFontBig(nullptr).glyphs, 36, 256, 256);
}

TEST(FontTables, LookupBeyondTheTableGivesTheEmptyGlyph) {
    PBFontBig big(nullptr);
    for (char c : std::string(".:-,!/)(?' [")) {
        Glyph g = big.glyphFor(c);
        EXPECT_EQ(g.width, 0) << c;
        EXPECT_EQ(g.height, 0) << c;
        EXPECT_EQ(g.sourceX, 0) << c;
    }
    EXPECT_EQ(big.glyphFor('W').width, 41);
    PBFontSmall small(nullptr);
    EXPECT_EQ(small.glyphFor('.').width, 6);
}

}  // namespace
