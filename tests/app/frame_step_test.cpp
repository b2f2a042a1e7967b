#include "app/FrameStep.h"

#include <gtest/gtest.h>

TEST(FrameClock, FirstFrameIsZeroThenMillisecondsAsSeconds)
{
    std::uint32_t last = 0;
    EXPECT_EQ(advanceFrameClock(last, 5000), 0.0f);
    EXPECT_EQ(last, 5000u);
    EXPECT_FLOAT_EQ(advanceFrameClock(last, 5016), 0.016f);
    // A long stall is one long step, not clamped.
    EXPECT_FLOAT_EQ(advanceFrameClock(last, 65016), 60.0f);
}

TEST(FrameClock, WrapOfTheCounterStillGivesTheSmallStep)
{
    std::uint32_t last = 0xFFFFFFF0u;
    EXPECT_FLOAT_EQ(advanceFrameClock(last, 0x00000010u), 0.032f);
    EXPECT_EQ(last, 0x10u);
}

TEST(Cursor, StopsExactlyAtTheEdgesAndComesBackFromThemAtOnce)
{
    float x = 512.0f, y = 384.0f;
    moveCursor(x, y, 5000.0f, 9000.0f);
    EXPECT_EQ(x, 1024.0f);
    EXPECT_EQ(y, 768.0f);
    moveCursor(x, y, -10.0f, -3.0f);
    EXPECT_EQ(x, 1014.0f);
    EXPECT_EQ(y, 765.0f);
    moveCursor(x, y, -5000.0f, -9000.0f);
    EXPECT_EQ(x, 0.0f);
    EXPECT_EQ(y, 0.0f);
    moveCursor(x, y, 1.5f, 2.0f);
    EXPECT_EQ(x, 1.5f);
    EXPECT_EQ(y, 2.0f);
}
