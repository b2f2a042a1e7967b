// The loop's frame pacing: no more frames than the display shows, a steady cadence, and
// no limit when asked for uncapped frames.
#include "platform/time/FramePacer.h"
#include "platform/window/GameWindow.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(FramePacer, IntervalIsOneRefreshOr240HzOrNoneWhenUncapped) {
    EXPECT_DOUBLE_EQ(FramePacer::minimumInterval(60, false), 1.0 / 60.0);
    EXPECT_DOUBLE_EQ(FramePacer::minimumInterval(144, false), 1.0 / 144.0);
    EXPECT_DOUBLE_EQ(FramePacer::minimumInterval(0, false), 1.0 / 240.0);
    EXPECT_DOUBLE_EQ(FramePacer::minimumInterval(-1, false), 1.0 / 240.0);
    EXPECT_DOUBLE_EQ(FramePacer::minimumInterval(60, true), 0.0);
    // The game's own limit where nothing moves: the slower of the two, never faster than the display.
    EXPECT_DOUBLE_EQ(FramePacer::minimumInterval(60, false, 30), 1.0 / 30.0);
    EXPECT_DOUBLE_EQ(FramePacer::minimumInterval(0, false, 30), 1.0 / 30.0);
    EXPECT_DOUBLE_EQ(FramePacer::minimumInterval(24, false, 30), 1.0 / 24.0);
    EXPECT_DOUBLE_EQ(FramePacer::minimumInterval(60, true, 30), 0.0);
}

// A loop that asks the pacer before every frame, as the window's loop does, with frames
// that take `work` seconds and sleeps that wake in whole milliseconds (rounded down, then
// a spin for the rest), starts refresh-rate frames per second, not more and not fewer.
double framesPerSecond(double refresh, double work, bool uncapped) {
    FramePacer pacer;
    const double interval = FramePacer::minimumInterval(static_cast<int>(refresh), uncapped);
    double now = 0.0;
    int frames = 0;
    while (now < 10.0) {
        const double wait = pacer.waitBefore(now, interval);
        if (wait > 0.0) {
            const int ms = static_cast<int>(wait * 1000.0);
            now += ms > 0 ? ms / 1000.0 : 0.0001;
            continue;
        }
        pacer.frameStarted(now, interval);
        ++frames;
        now += work;
    }
    return frames / 10.0;
}

TEST(FramePacer, FastFramesAreHeldToTheRefreshRate) {
    EXPECT_NEAR(framesPerSecond(60, 0.001, false), 60.0, 0.2);
    EXPECT_NEAR(framesPerSecond(240, 0.0005, false), 240.0, 0.5);
    // A frame that takes longer than a refresh is not delayed further, nor followed by a
    // burst of frames to catch up.
    EXPECT_NEAR(framesPerSecond(60, 0.025, false), 40.0, 0.2);
    // Uncapped: as many as the work allows.
    EXPECT_NEAR(framesPerSecond(60, 0.001, true), 1000.0, 1.0);
}

TEST(FramePacer, TheFirstFrameNeverWaits) {
    FramePacer pacer;
    EXPECT_EQ(pacer.waitBefore(123.0, 1.0 / 60.0), 0.0);
    pacer.frameStarted(123.0, 1.0 / 60.0);
    EXPECT_NEAR(pacer.waitBefore(123.001, 1.0 / 60.0), 1.0 / 60.0 - 0.001, 1e-9);
}

TEST(FramePacer, TheEnvironmentVariableAsksForUncappedFrames) {
    unsetenv("PITCHBAR_UNCAPPED_FRAMES");
    EXPECT_FALSE(uncappedFramesRequested());
    setenv("PITCHBAR_UNCAPPED_FRAMES", "0", 1);
    EXPECT_FALSE(uncappedFramesRequested());
    setenv("PITCHBAR_UNCAPPED_FRAMES", "1", 1);
    EXPECT_TRUE(uncappedFramesRequested());
    unsetenv("PITCHBAR_UNCAPPED_FRAMES");
}
