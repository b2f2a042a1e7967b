#pragma once
// Turns the rod to a fixed angle and holds it there; with -pi/2 the figures lie flat and
// the ball rolls beneath them.
#include "control/ControlState.h"

class AState : public ControlState {
public:
    float targetAngle = 0.0f;
    float rotationSpeed = 0.0f;

    AState(Rod* rod_, FoosballControl* controller_, float targetAngle_, float rotationSpeed_)
        : ControlState(rod_, controller_), targetAngle(targetAngle_), rotationSpeed(rotationSpeed_) {}
    int typeId() const override { return kAStateType; }
    // Only the rotation: a lifted rod's countdown and time in state stand still.
    void update(float dt) override;
};
