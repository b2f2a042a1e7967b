#include "ui/widgets/PBSignedMeter.h"
#include "ui/widgets/PBSteelLabel.h"
#include "WidgetFixture.h"

#include <limits>

namespace {

using MeterTest = WidgetFixture;

TEST_F(MeterTest, BarsGrowFromTheCentreMark) {
    PBSignedMeter meter(&screen, 113, 24, &style);
    meter.x = 200;
    meter.y = 100;
    meter.value = 0.5f;
    meter.draw();
    // The panel: the buttons' dark lacquer over the whole meter.
    ASSERT_FALSE(sink.draws.empty());
    EXPECT_EQ(sink.draws[0].srcX, 72);
    EXPECT_FLOAT_EQ(sink.draws[0].dstX, 200);
    EXPECT_FLOAT_EQ(sink.draws[0].dstW, 113);
    EXPECT_FLOAT_EQ(sink.draws[0].dstH, 24);
    auto blocks = solids();
    ASSERT_EQ(blocks.size(), 2u);  // centre mark, bar
    EXPECT_FLOAT_EQ(blocks[0].dstX, 200 + 56 - 1);
    EXPECT_FLOAT_EQ(blocks[0].dstW, 2);
    EXPECT_FLOAT_EQ(blocks[0].dstH, 16);
    EXPECT_FLOAT_EQ(blocks[1].dstX, 257);
    EXPECT_FLOAT_EQ(blocks[1].dstW, 25);
    EXPECT_FLOAT_EQ(blocks[1].dstY, 104);

    sink.clear();
    meter.value = -1.0f;
    meter.draw();
    blocks = solids();
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_FLOAT_EQ(blocks[1].dstX, 200 + 56 - 50 - 2);
    EXPECT_FLOAT_EQ(blocks[1].dstW, 51);

    sink.clear();
    meter.value = 0.0f;
    meter.draw();
    EXPECT_EQ(solids().size(), 1u);
}

TEST_F(MeterTest, ValuesOutsideTheRangeStayOnThePanel) {
    PBSignedMeter meter(&screen, 113, 24, &style);
    meter.value = 7.0f;
    EXPECT_EQ(meter.barLength(), 50);
    meter.value = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(meter.barLength(), 0);
}

TEST_F(MeterTest, SteelLabelFitsItsText) {
    PBSteelLabel label(&screen, "AB", &font, &style);
    EXPECT_EQ(label.width, 30);
    EXPECT_EQ(label.height, 22);
    label.x = 10;
    label.y = 20;
    label.draw();
    auto text = glyphs();
    ASSERT_EQ(text.size(), 2u);
    EXPECT_FLOAT_EQ(text[0].dstX, 15);
    EXPECT_FLOAT_EQ(text[0].dstY, 26);
    EXPECT_EQ(text[0].colour, 0xFFFFFFFFu);
    label.setText("ABAB");
    EXPECT_EQ(label.width, 41 + 10);
}

}  // namespace
