#pragma once
// The computer's shot: the rod winds up while it moves its figure into line, and strikes
// once the ball will be at the strike point in no more time than the strike takes.
#include "control/ControlState.h"

class SState : public ControlState {
public:
    float targetShift = 0.0f;
    float strikePointX = 0.0f;  // own frame
    float strikePointZ = 0.0f;
    float windUpAngle = 0.0f;
    float rotationSpeed = 0.0f;
    float shiftSpeed = 0.0f;
    float strikeSpeed = 0.0f;
    bool striking = false;
    bool struck = false;  // the strike has reached its end angle

    SState(Rod* rod_, FoosballControl* controller_) : ControlState(rod_, controller_) {}
    int typeId() const override { return kSStateType; }
    void update(float dt) override;

private:
    bool timeToStrike() const;
};
