#include "ui/widgets/PBList.h"
#include "ui/widgets/PBSelector.h"
#include "WidgetFixture.h"

#include <algorithm>
#include <cmath>

namespace {

using ListTest = WidgetFixture;
using SelectorTest = WidgetFixture;

TEST_F(ListTest, RowsStartBelowTheTitleAndEmptyRowsSelectNothing) {
    PBList list(&screen, "profileslist", "PROFILES", &font, false, &style);
    list.addItem({"ANNA", {}, {}});
    list.addItem({"BERT", {}, {}});
    EXPECT_EQ(PBList::rowAt(26), -1);
    EXPECT_EQ(PBList::rowAt(27), 0);
    EXPECT_EQ(PBList::rowAt(48), 0);
    EXPECT_EQ(PBList::rowAt(49), 1);
    list.onMouseDown(10, 50);
    EXPECT_EQ(list.selectedRow, 1);
    EXPECT_EQ(list.hoveredRow, 1);
    // A press on an empty row and one on the title both clear the selection and still
    // send the list's command.
    list.onMouseDown(10, 120);
    EXPECT_EQ(list.selectedRow, -1);
    list.onMouseDown(10, 3);
    EXPECT_EQ(list.selectedRow, -1);
    EXPECT_EQ(screen.commands, (std::vector<std::string>{"profileslist", "profileslist", "profileslist"}));
    EXPECT_EQ(sounds.clicks, 3);
}

TEST_F(ListTest, HoverSoundsWhenTheRowChanges) {
    PBList list(&screen, "opponents", "OPPONENTS", &font, true, &style);
    list.addItem({"ONE", {}, {}});
    list.addItem({"TWO", {}, {}});
    list.onMouseMove(5, 30);
    list.onMouseMove(5, 40);
    EXPECT_EQ(sounds.hovers, 1);
    list.onMouseMove(5, 60);
    EXPECT_EQ(sounds.hovers, 2);
    list.onMouseMove(5, 200);
    EXPECT_EQ(list.hoveredRow, -1);
    list.onMouseMove(5, 60);
    EXPECT_EQ(sounds.hovers, 3);
    list.onMouseLeave();
    EXPECT_EQ(list.hoveredRow, -1);
}

TEST_F(ListTest, DrawsStripesSelectionAndItemsOnTheirRows) {
    PBList list(&screen, "profileslist", "P", &font, false, &style);
    list.x = 100;
    list.y = 50;
    TextureRecord icons;
    list.addItem({"A", {&icons, 4, 44, 16, 16}, {}});
    list.addItem({"B", {&icons, 4, 44, 16, 16}, {}});
    list.onMouseDown(0, 30);       // selects row 0
    list.onMouseMove(0, 50);       // hovers row 1
    list.draw();
    auto blocks = solids();
    // Title bar, strip, eleven stripes, the selection bar.
    ASSERT_GE(blocks.size(), 14u);
    EXPECT_EQ(blocks[0].colour, style.colours[0]);
    EXPECT_FLOAT_EQ(blocks[1].dstY, 72);
    EXPECT_FLOAT_EQ(blocks[1].dstH, 5);
    EXPECT_EQ(blocks[2].colour, style.listRows[0]);
    EXPECT_EQ(blocks[3].colour, style.listRows[1]);
    EXPECT_FLOAT_EQ(blocks[12].dstY, 50 + 27 + 22 * 10);
    EXPECT_EQ(blocks[13].colour, style.colours[3]);
    EXPECT_FLOAT_EQ(blocks[13].dstY, 77);
    auto text = glyphs();
    ASSERT_EQ(text.size(), 3u);  // title P, then A and B
    EXPECT_FLOAT_EQ(text[0].dstY, 56);
    EXPECT_FLOAT_EQ(text[1].dstY, 50 + 34);
    EXPECT_EQ(text[1].colour, style.selectedRowText);  // dark on the orange bar
    EXPECT_FLOAT_EQ(text[2].dstY, 50 + 34 + 22);
    EXPECT_EQ(text[2].colour, style.colours[3]);  // hovered row
    int iconDraws = 0;
    for (const SpriteDraw& d : sink.draws)
        if (d.texture == &icons) {
            EXPECT_FLOAT_EQ(d.dstX, 104);
            ++iconDraws;
        }
    EXPECT_EQ(iconDraws, 2);
}

// Contrast of two colours as the web's accessibility guidelines measure it (1 to 21).
double contrast(std::uint32_t a, std::uint32_t b) {
    auto luminance = [](std::uint32_t c) {
        auto channel = [](std::uint32_t v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel((c >> 16) & 0xFF) + 0.7152 * channel((c >> 8) & 0xFF) + 0.0722 * channel(c & 0xFF);
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST_F(ListTest, NamesReadAtFourAndAHalfToOneOnEveryRowSelectedOrHovered) {
    PBList list(&screen, "opponentslist", "OPPONENTS", &font, false, &style);
    for (int i = 0; i < 11; ++i) list.addItem({"NAME", {}, {}});
    list.onMouseDown(0, PBList::FirstRowTop + 3 * PBList::RowHeight + 5);  // selects row 3
    list.onMouseMove(0, PBList::FirstRowTop + 6 * PBList::RowHeight + 5);  // hovers row 6
    list.draw();
    int checked = 0;
    for (size_t i = 0; i < sink.draws.size(); ++i) {
        const SpriteDraw& g = sink.draws[i];
        if (g.texture != &fontTexture) continue;
        // The last solid rectangle drawn under the glyph before it is its background.
        std::uint32_t background = 0;
        for (size_t j = 0; j < i; ++j) {
            const SpriteDraw& d = sink.draws[j];
            if (d.texture == &atlas && d.srcX == 1 && d.srcY == 1 && g.dstX >= d.dstX && g.dstX < d.dstX + d.dstW &&
                g.dstY >= d.dstY && g.dstY < d.dstY + d.dstH)
                background = d.colour;
        }
        EXPECT_GE(contrast(g.colour, background), 4.5) << "glyph at " << g.dstX << ", " << g.dstY;
        ++checked;
    }
    EXPECT_EQ(checked, 9 + 11 * 4);  // the title and every name
}

TEST_F(ListTest, ItemsBeyondElevenRowsAreNotDrawnNorSelectable) {
    PBList list(&screen, "l", "", &font, false, &style);
    for (int i = 0; i < 14; ++i) list.addItem({"X", {}, {}});
    list.onMouseDown(0, 268);
    EXPECT_EQ(list.selectedRow, 10);
    list.draw();
    EXPECT_EQ(glyphs().size(), 11u);
}

TEST_F(SelectorTest, EndsAreDimAndIgnorePresses) {
    PBSelector selector(&screen, "musicVolume", {"0", "1", "2"}, &font, 120, &style);
    selector.onMouseDown(5, 10);  // left arrow at index 0
    EXPECT_EQ(selector.currentIndex, 0);
    EXPECT_TRUE(screen.commands.empty());
    selector.onMouseMove(5, 10);
    EXPECT_FALSE(selector.leftArrowHovered);
    EXPECT_EQ(sounds.hovers, 0);
    selector.draw();
    auto arrows = [&] {
        std::vector<SpriteDraw> out;
        for (const SpriteDraw& d : sink.draws)
            if (d.texture == &atlas && d.srcW == 8 && d.srcH == 18) out.push_back(d);
        return out;
    };
    auto a = arrows();
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(a[0].colour, style.colours[0]);
    EXPECT_EQ(a[1].colour, style.colours[2]);
    EXPECT_FLOAT_EQ(a[1].dstX, 120 - 13);

    selector.onMouseMove(110, 10);
    EXPECT_TRUE(selector.rightArrowHovered);
    EXPECT_EQ(sounds.hovers, 1);
    selector.onMouseDown(100, 10);
    selector.onMouseDown(119, 10);
    EXPECT_EQ(selector.currentIndex, 2);
    selector.onMouseDown(119, 10);  // already last
    EXPECT_EQ(selector.currentIndex, 2);
    EXPECT_EQ(screen.commands.size(), 2u);
    EXPECT_EQ(sounds.clicks, 2);
    sink.clear();
    selector.draw();
    a = arrows();
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(a[1].colour, style.colours[0]);
    EXPECT_EQ(a[0].colour, style.colours[2]);
    selector.onMouseDown(20, 10);
    EXPECT_EQ(selector.currentIndex, 1);
    // A press between the arrows does nothing.
    selector.onMouseDown(60, 10);
    EXPECT_EQ(selector.currentIndex, 1);
}

TEST_F(SelectorTest, ValueIsCentredAndStaleIndicesAreClamped) {
    PBSelector selector(&screen, "s", {"A", "AB"}, &font, 100, &style);
    EXPECT_EQ(selector.textOffset, 45);
    selector.setIndex(1);
    EXPECT_EQ(selector.textOffset, 40);
    selector.setIndex(57);
    EXPECT_EQ(selector.currentIndex, 1);
    selector.setIndex(-3);
    EXPECT_EQ(selector.currentIndex, 0);
    selector.x = 10;
    selector.y = 20;
    selector.draw();
    auto text = glyphs();
    ASSERT_EQ(text.size(), 1u);
    EXPECT_FLOAT_EQ(text[0].dstX, 55);
    EXPECT_FLOAT_EQ(text[0].dstY, 29);
    PBSelector empty(&screen, "e", {}, &font, 100, &style);
    empty.onMouseDown(5, 5);
    empty.onMouseDown(95, 5);
    empty.draw();
    EXPECT_EQ(empty.currentValue(), "");
}

}  // namespace
