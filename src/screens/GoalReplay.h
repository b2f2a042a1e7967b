#pragma once
// The goal replay of the match screen: it keeps the last seconds of the table as drawn and
// its sounds, and after a goal (when the player has replays on) shows the play before it
// again from low behind the goal that was hit, the last second at half speed, with the
// sounds where they were. The table stands still meanwhile, so the kick-off that follows
// comes as long after the replay as it would have come after the goal. Any key, mouse
// button or pad button (or trigger) pressed ends it at once.
#include "display/ReplayBuffer.h"
#include "display/ReplayTimeline.h"

class Camera;
class FoosballDisplayer;
class InputSystem;
class TableSounds;

class GoalReplay {
public:
    ReplayBuffer ring;

    // Forgets the last match (a new one starts).
    void clear();
    // The frame the display has just drawn, at the match's time.
    void record(const DrawnFrame& frame) { ring.addFrame(frame); }

    // Starts showing the play up to the goal told at goalTime; false (and nothing
    // started) when nothing was kept.
    bool start(double goalTime, bool goalAtPositiveX, const InputSystem* input);
    bool running() const { return running_; }
    // One frame of the replay: the display and camera placed for it and its sounds played;
    // false once it has ended (run out, or a key or button pressed).
    bool advance(float dt, const InputSystem* input, FoosballDisplayer& display, Camera& camera, TableSounds* sounds);
    void stop() { running_ = false; }

private:
    // Something went down since the last frame: a key, a mouse button, a pad's button or
    // trigger.
    bool anythingPressed(const InputSystem* input);

    ReplayTimeline timeline_;
    double played_ = 0.0;
    double shown_ = 0.0;  // match time shown at the last frame
    bool goalAtPositiveX_ = false;
    bool running_ = false;
    bool buttonsDown_[4] = {};
};
