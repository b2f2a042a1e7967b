// The goal replay's memory and clock: the ring keeps the last seconds however long the
// match, finds the table between two frames without drawing a kick-off's jump, hands back
// the sounds of a stretch of play once, and a goal in the first seconds replays what there is.
#include "display/ReplayBuffer.h"
#include "display/ReplayTimeline.h"

#include <gtest/gtest.h>

namespace {

DrawnFrame frameAt(double time, float x)
{
    DrawnFrame f;
    f.time = time;
    f.ballPosition = Vector3(x, 1.0f, 30.0f);
    f.rodAngle[3] = x * 0.01f;
    return f;
}

TEST(ReplayBuffer, KeepsTheLastSecondsAtAnyFrameRateAndFindsTheTableBetweenFrames)
{
    ReplayBuffer ring;
    // Ten minutes at 300 frames a second: more than the ring holds in frames, too.
    for (int i = 0; i <= 180000; ++i)
        ring.addFrame(frameAt(i / 300.0, static_cast<float>(i) * 0.0001f));
    EXPECT_NEAR(ring.newestTime(), 600.0, 1e-9);
    EXPECT_GE(ring.oldestTime(), 600.0 - kReplayKeptSeconds - 1e-9);
    EXPECT_LT(ring.oldestTime(), 600.0 - 4.0) << "the ring must hold the replay's four seconds";

    DrawnFrame f;
    ASSERT_TRUE(ring.frameAt(600.0 - 1.0 / 600.0, f));  // half way between the last two frames
    EXPECT_NEAR(f.ballPosition.x, 17.99995f, 1e-3);
    EXPECT_NEAR(f.rodAngle[3], 0.1799995f, 1e-5);
    ASSERT_TRUE(ring.frameAt(1e9, f));
    EXPECT_FLOAT_EQ(f.ballPosition.x, 18.0f);  // the newest frame beyond the end

    // A kick-off puts the ball back in the middle: no frame shows it flying there.
    ring.addFrame(frameAt(600.02, 58.7f));
    ASSERT_TRUE(ring.frameAt(600.005, f));
    EXPECT_FLOAT_EQ(f.ballPosition.x, 18.0f);
    ASSERT_TRUE(ring.frameAt(600.015, f));
    EXPECT_FLOAT_EQ(f.ballPosition.x, 58.7f);
}

TEST(ReplayBuffer, SoundsOfAStretchAreHandedBackOnceAndOldOnesAreForgotten)
{
    ReplayBuffer ring;
    for (int i = 0; i < 5000; ++i) {
        ReplaySound s;
        s.time = i * 0.01;
        s.kind = i % 2 ? ReplaySound::Kick : ReplaySound::BallWall;
        ring.addSound(s);
    }
    std::vector<ReplaySound> heard;
    ring.soundsBetween(44.0, 45.0, heard);
    ring.soundsBetween(45.0, 46.0, heard);
    EXPECT_EQ(heard.size(), 200u);
    heard.clear();
    ring.soundsBetween(0.0, 40.0, heard);
    EXPECT_TRUE(heard.empty()) << "sounds older than the kept seconds are gone";
    ring.clear();
    ring.soundsBetween(-1.0, 1e9, heard);
    EXPECT_TRUE(heard.empty());
}

TEST(ReplayTimeline, ShowsFourSecondsTheLastAtHalfSpeedAndWhatThereIsAfterAQuickGoal)
{
    const ReplayTimeline t = ReplayTimeline::before(100.0, 94.0);
    EXPECT_DOUBLE_EQ(t.start, 96.0);
    EXPECT_DOUBLE_EQ(t.duration(), 5.0);
    EXPECT_DOUBLE_EQ(t.shownTime(0.0), 96.0);
    EXPECT_DOUBLE_EQ(t.shownTime(3.0), 99.0);
    EXPECT_DOUBLE_EQ(t.shownTime(4.0), 99.5);
    EXPECT_DOUBLE_EQ(t.shownTime(9.0), 100.0);

    // A goal 1.5 s after the start: 0.5 s at normal speed, the last second slowed.
    const ReplayTimeline quick = ReplayTimeline::before(1.5, 0.0);
    EXPECT_DOUBLE_EQ(quick.start, 0.0);
    EXPECT_DOUBLE_EQ(quick.duration(), 2.5);
    EXPECT_DOUBLE_EQ(quick.shownTime(1.5), 1.0);
    // Nothing kept at all: a replay of no length.
    EXPECT_DOUBLE_EQ(ReplayTimeline::before(3.0, 3.0).duration(), 0.0);
}

} // namespace
