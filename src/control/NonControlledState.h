#pragma once
// A rod nobody moves: it keeps its angle and shift and reports no motion.
#include "control/ControlState.h"

class NonControlledState : public ControlState {
public:
    using ControlState::ControlState;
    int typeId() const override { return kNonControlledStateType; }
    void update(float dt) override;
};
