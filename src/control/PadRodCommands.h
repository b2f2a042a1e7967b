#pragma once
// A player's hands on a gamepad. The left stick shifts the held rods (up pushes them away
// from the player), the right stick turns them (towards the other goal swings the feet
// forward), the right trigger or A plays the click shot, the left trigger or B tilts the
// figures to trap; the shoulders step to the rod behind or in front, the d-pad picks a rod
// (left goalkeeper, down defence, up midfield, right attack), Y holds all rods, BACK gives
// the automatic choice and X switches the assistance. START is left to the match screen,
// which steps through the camera views with it.
//
// The commands are in the side's own frame of the table, so team 1's controls are team 0's
// mirrored: for either player the stick towards the other goal swings the feet towards it.
// Either stick follows PadSettings: rate control sets the rod's speed, position control
// moves the rod as far as the stick moved, handed out over the frame's sub-steps as the
// mouse's movement is.
#include "control/PadSettings.h"
#include "control/RodChoiceLatch.h"
#include "control/RodCommand.h"
#include "input/PadState.h"

class AssistedControl;
class InputSystem;

class PadRodCommands : public RodCommandSource {
public:
    // The input snapshot; null, or no pad of padId connected, gives still hands.
    const InputSystem* input = nullptr;
    // The side's controller: its sensitivities turn rod speeds into hand counts, and the
    // shoulders step from the rod it holds.
    const AssistedControl* control = nullptr;
    std::int32_t padId = kNoPad;
    PadSettings settings;

    void beginFrame(float dt) override;
    RodCommand next(float s) override;

    // Starts over with no earlier stick position (a new match, another pad).
    void reset();

private:
    float turnPerCount() const;
    float shiftPerCount() const;
    void readButtons(const PadState& pad);

    float frameSeconds_ = 0.0f;
    RodCommand held_;
    RodChoiceLatch latch_;
    // Rate control: counts a second; position control: counts over the frame.
    float turn_ = 0.0f;
    float shift_ = 0.0f;
    // Position control: the hand positions of the previous frame, in counts.
    bool havePrevious_ = false;
    std::int32_t previousPad_ = kNoPad;
    float previousTurnHand_ = 0.0f;
    float previousShiftHand_ = 0.0f;
};
