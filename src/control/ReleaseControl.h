#pragma once
// Free practice's other side: every rod turns its figures flat and stays out of play.
#include "control/FoosballControl.h"

class ReleaseControl : public FoosballControl {
public:
    void initStates() override;
};
