#include "app/FrameStep.h"
#include "app/MusicLevel.h"

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

TEST(MusicLevel, StepsBackAndReturnsInHalfASecondWithoutOvershoot)
{
    float level = 1.0f;
    for (int frame = 0; frame < 15; ++frame)
        level = fadeMusicLevel(level, kQuietMusicLevel, 1.0f / 60.0f);
    EXPECT_NEAR(1.0f - 15.0f / 30.0f, level, 1e-5f);  // a quarter of a second: halfway down the scale
    level = fadeMusicLevel(level, kQuietMusicLevel, 0.5f);
    EXPECT_EQ(kQuietMusicLevel, level);
    level = fadeMusicLevel(level, 1.0f, 10.0f);  // a long stall lands on the level, not past it
    EXPECT_EQ(1.0f, level);
    EXPECT_EQ(1.0f, fadeMusicLevel(1.0f, 1.0f, 0.016f));
}
