#pragma once
// Frame pacing: frames are presented at once (no waiting for the retrace), yet the loop
// starts no more frames per second than the display can show, so a fast graphics card
// does not spin a core drawing thousands of frames nobody sees. The table steps in 1 ms
// slices whatever the frame rate, so pacing never changes play.
//
// Times are in seconds from any fixed start. The pacer keeps a cadence: each frame is due
// one interval after the previous one was due, so waits rounded to whole milliseconds do
// not drift the rate below the display's; a frame that comes late restarts the cadence
// rather than letting several frames run back to back to catch up.
class FramePacer {
public:
    // The rate used when the display does not say how often it refreshes.
    static constexpr int kUnknownRefreshRate = 240;

    // Shortest time between two frame starts: one refresh of the display (0 or less for
    // unknown) or one frame of the game's own limit (0 for none), whichever is longer; 0
    // (no limit) when uncapped frames were asked for.
    static double minimumInterval(int refreshRate, bool uncapped, int gameLimit = 0) {
        if (uncapped) return 0.0;
        const int rate = refreshRate > 0 ? refreshRate : kUnknownRefreshRate;
        return 1.0 / static_cast<double>(gameLimit > 0 && gameLimit < rate ? gameLimit : rate);
    }

    // Seconds to wait before the next frame may start.
    double waitBefore(double now, double interval) const {
        if (interval <= 0.0 || !started_) return 0.0;
        return due_ > now ? due_ - now : 0.0;
    }

    // A frame starts now.
    void frameStarted(double now, double interval) {
        if (!started_ || now - due_ >= interval)
            due_ = now + interval;
        else
            due_ += interval;
        started_ = true;
    }

private:
    bool started_ = false;
    double due_ = 0.0;
};
