#include "render/Renderer.h"
#include "render/SpriteSink.h"
#include "ui/GUIStyle.h"

#include <gtest/gtest.h>

namespace {
struct Recorder : SpriteSink {
    std::vector<SpriteDraw> draws;
    void drawSprite(const SpriteDraw& d) override { draws.push_back(d); }
};

void expectDraw(const SpriteDraw& d, int sx, int sy, int sw, int sh, float x, float y, float w, float h,
                std::uint32_t colour)
{
    EXPECT_EQ(d.srcX, sx);
    EXPECT_EQ(d.srcY, sy);
    EXPECT_EQ(d.srcW, sw);
    EXPECT_EQ(d.srcH, sh);
    EXPECT_FLOAT_EQ(d.dstX, x);
    EXPECT_FLOAT_EQ(d.dstY, y);
    EXPECT_FLOAT_EQ(d.dstW, w);
    EXPECT_FLOAT_EQ(d.dstH, h);
    EXPECT_EQ(d.colour, colour);
}
// The style drawing into a recorder instead of a device.
struct GUIStyleTest : ::testing::Test {
    Renderer renderer;
    Recorder sink;
    GUIStyle style{&renderer};
    GUIStyleTest() { renderer.spriteSink = &sink; }
};
} // namespace

TEST_F(GUIStyleTest, BarIsTwoCapsAndAStretchedMiddleOfTheWidgetsWidth)
{
    TextureRecord atlas;
    style.texture = &atlas;
    style.drawBar(100, 200, 300);
    ASSERT_EQ(sink.draws.size(), 3u);
    expectDraw(sink.draws[0], 62, 0, 10, 40, 98, 198, 10, 40, 0xFFFFFFFFu);
    expectDraw(sink.draws[1], 72, 0, 2, 40, 108, 198, 284, 40, 0xFFFFFFFFu);
    expectDraw(sink.draws[2], 427, 0, 12, 40, 392, 198, 12, 40, 0xFFFFFFFFu);
    for (const SpriteDraw& d : sink.draws)
        EXPECT_EQ(d.texture, &atlas);
}

TEST_F(GUIStyleTest, OutlineLinesLieJustOutsideTheRectangle)
{
    style.drawOutline(10, 20, 30, 40, 0xFF111111u, 0xFF222222u);
    ASSERT_EQ(sink.draws.size(), 4u);
    expectDraw(sink.draws[0], 1, 1, 2, 2, 9, 19, 32, 1, 0xFF111111u);
    expectDraw(sink.draws[1], 1, 1, 2, 2, 9, 19, 1, 42, 0xFF111111u);
    expectDraw(sink.draws[2], 1, 1, 2, 2, 9, 60, 32, 1, 0xFF222222u);
    expectDraw(sink.draws[3], 1, 1, 2, 2, 40, 19, 1, 42, 0xFF222222u);
}

TEST_F(GUIStyleTest, FrameCornersMeetTheStretchedEdges)
{
    style.drawFrame(100, 370, 200, 22);
    ASSERT_EQ(sink.draws.size(), 8u);
    expectDraw(sink.draws[0], 445, 3, 10, 10, 95, 365, 10, 10, 0xFFFFFFFFu);
    expectDraw(sink.draws[3], 460, 21, 12, 12, 296, 389, 12, 12, 0xFFFFFFFFu);
    expectDraw(sink.draws[4], 455, 3, 2, 10, 105, 365, 191, 10, 0xFFFFFFFFu);
    expectDraw(sink.draws[7], 445, 13, 10, 2, 95, 375, 10, 14, 0xFFFFFFFFu);
}
