#pragma once
// The table's sounds as the simulation and the match screen ask for them. The simulation
// only decides when and how loud; the audio subsystem implements this over OpenAL, tests
// and the headless tools record the calls instead.
//
// Positions are in table units relative to the table's centre (x - 58.7, y, z - 33.2), the
// frame the listener stands in, so a sound is heard where it happens. Volumes are in
// [0, 1], before the master volume.
#include "core/math/Vector3.h"

class TableSounds {
public:
    virtual ~TableSounds() = default;

    // Starts the looping rolling-ball voice at gain 0 if none exists (kick-off).
    virtual void startRoll() = 0;
    // Gain 0.7 * clamp(|velocity| * 0.01, 0.1, 1.0) at the given (centred) position.
    virtual void updateRoll(const Vector3& velocity, const Vector3& position) = 0;
    // Stops and releases the rolling voice (ball beyond a goal line).
    virtual void stopRoll() = 0;

    virtual void playKick(const Vector3& position, float volume) = 0;
    virtual void playBallWall(const Vector3& position, float volume) = 0;
    virtual void playRodWall(const Vector3& position, float volume) = 0;
    // score1 at (+-60.5, 0, 0) with the given volume, then score2 there at 0.7.
    virtual void playScore(bool far, float volume) = 0;
    virtual void playApplause() = 0;

    // The end of a match frame. The table steps many times a frame and may ask for the same
    // hit in several of them; a player that merges such requests into one voice starts its
    // hits here. Players that play at once need nothing.
    virtual void endFrame() {}
};
