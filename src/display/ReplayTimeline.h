#pragma once
// The goal replay's clock: it shows the last kReplayShownSeconds of play before the goal
// was told (fewer when the match is younger), at normal speed but for the final second,
// which runs at half speed, so the shot and the ball's drop are seen clearly.
#include <algorithm>

constexpr double kReplayShownSeconds = 4.0;
constexpr double kReplaySlowSeconds = 1.0;  // of play, shown over twice as long

struct ReplayTimeline {
    double start = 0.0;  // match time the replay starts at
    double end = 0.0;    // match time of the goal

    // The replay of the play up to goalTime when frames are kept from oldestKept on.
    static ReplayTimeline before(double goalTime, double oldestKept)
    {
        ReplayTimeline t;
        t.end = goalTime;
        t.start = std::min(goalTime, std::max(oldestKept, goalTime - kReplayShownSeconds));
        return t;
    }
    double slowFrom() const { return std::max(start, end - kReplaySlowSeconds); }
    // Seconds the replay lasts.
    double duration() const { return (slowFrom() - start) + 2.0 * (end - slowFrom()); }
    // The match time shown after that many seconds of the replay.
    double shownTime(double played) const
    {
        const double normal = slowFrom() - start;
        if (played <= normal)
            return start + std::max(0.0, played);
        return std::min(end, slowFrom() + (played - normal) * 0.5);
    }
};
