#pragma once
// A rod the player holds: sideways hand movement turns it, forward and back movement
// shifts it, the shot button plays the click shot (wind back while held, strike on
// release) and the trap button tilts the figures forward to trap the ball.
#include "control/ControlState.h"

struct RodCommand;

// The click shot's phases.
enum ClickPhase : int32_t {
    kClickFree = 0,
    kClickWoundBack = 1,
    kClickStriking = 2,
};

class UserControlledState : public ControlState {
public:
    bool rotationLimits = false;
    int32_t clickRotationSpeed = 1;     // 1..15, 6.25 rad/s per step
    int32_t reversedRotation = 0;       // non-zero: sideways mouse turns the other way
    float rotationSensitivity = 0.0f;   // rad per mouse count
    float shiftSensitivity = 0.0f;      // table units per mouse count
    // The hands' command of the current sub-step, kept by the controller; null: still hands.
    const RodCommand* command = nullptr;
    int32_t clickPhase = kClickFree;

    UserControlledState(Rod* rod_, FoosballControl* controller_) : ControlState(rod_, controller_) {}
    int typeId() const override { return kUserControlledStateType; }
    void update(float dt) override;

private:
    void rotate(float dt);
    void turnByMouse(float dt);
    void shiftByMouse(float dt);
};
