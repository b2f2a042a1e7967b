#pragma once
// The last seconds of the table as drawn, and the table sounds heard meanwhile, kept in
// rings of fixed size so that a long match costs nothing more: the goal replay shows them
// again. Frames come at the display's rate (any rate: the ring holds enough frames for
// kReplayKeptSeconds at 240 frames a second) and are found by their match time.
#include "display/DrawnFrame.h"

#include <cstddef>
#include <vector>

constexpr double kReplayKeptSeconds = 6.0;

// A table sound, to be heard again when the replay passes its time.
struct ReplaySound {
    enum Kind { Kick, BallWall, RodWall, Score };
    double time = 0.0;
    Kind kind = Kick;
    Vector3 position;  // centred table units, as the table sounds take them
    float volume = 0.0f;
    bool far = false;  // Score: the far goal
};

class ReplayBuffer {
public:
    ReplayBuffer();

    // Forgets everything (a match starts).
    void clear();
    // A frame drawn at frame.time, which is not before the last one kept.
    void addFrame(const DrawnFrame& frame);
    void addSound(const ReplaySound& sound);

    std::size_t frameCount() const { return frameCount_; }
    // The time of the oldest and newest frame kept (0 without frames).
    double oldestTime() const;
    double newestTime() const;
    // The table at that time, between the two frames around it (the ball's place and the
    // rods moved in a straight line, the ball's turn the nearer frame's); the oldest or
    // newest frame outside them. false without frames.
    bool frameAt(double time, DrawnFrame& frame) const;
    // The sounds with after < time <= upTo, oldest first.
    void soundsBetween(double after, double upTo, std::vector<ReplaySound>& out) const;

private:
    const DrawnFrame& frame(std::size_t age) const;  // 0 = oldest kept

    std::vector<DrawnFrame> frames_;
    std::size_t frameStart_ = 0;
    std::size_t frameCount_ = 0;
    std::vector<ReplaySound> sounds_;
    std::size_t soundStart_ = 0;
    std::size_t soundCount_ = 0;
};
