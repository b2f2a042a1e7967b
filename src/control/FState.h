#pragma once
// Figures upright, rod moving sideways to a target shift: a guard or a block. With tracking
// on (the goalkeeper) the target follows the ball while it is near the centre line.
#include "control/ControlState.h"

class FState : public ControlState {
public:
    bool tracking = false;
    float trackingRange = 0.0f;
    float targetShift = 0.0f;
    float rotationSpeed = 0.0f;
    float shiftSpeed = 0.0f;

    FState(Rod* rod_, FoosballControl* controller_, bool tracking_, float trackingRange_,
           float targetShift_, float rotationSpeed_, float shiftSpeed_)
        : ControlState(rod_, controller_), tracking(tracking_), trackingRange(trackingRange_),
          targetShift(targetShift_), rotationSpeed(rotationSpeed_), shiftSpeed(shiftSpeed_) {}
    int typeId() const override { return kFStateType; }
    void update(float dt) override;
};
