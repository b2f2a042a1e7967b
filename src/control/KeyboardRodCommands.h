#pragma once
// A second player's hands on the keyboard, on keys the game's own keys leave free: the
// arrows Up and Down shift the held rods (Up pushes them away from the player), Right and
// Left turn them (Right swings the feet towards the other goal), right Ctrl plays the click
// shot, right Shift tilts to trap, ',' and '.' step to the rod behind or in front, '/'
// holds all rods, L gives the automatic choice back and M switches the assistance.
// As on a pad, the commands are in the side's own frame (team 1's keys mirror team 0's).
#include "control/RodChoiceLatch.h"
#include "control/RodCommand.h"

class AssistedControl;
class InputSystem;

class KeyboardRodCommands : public RodCommandSource {
public:
    // Rod speeds while an arrow is held.
    static constexpr float kTurnRate = 12.0f;   // rad/s
    static constexpr float kShiftRate = 50.0f;  // table units/s

    const InputSystem* input = nullptr;
    // The side's controller: its sensitivities turn rod speeds into hand counts, and ','
    // and '.' step from the rod it holds.
    const AssistedControl* control = nullptr;

    void beginFrame(float dt) override;
    RodCommand next(float s) override;
    void reset() { latch_.clear(); }

private:
    RodCommand held_;
    RodChoiceLatch latch_;
    float turnPerSecond_ = 0.0f;   // counts
    float shiftPerSecond_ = 0.0f;  // counts
};
