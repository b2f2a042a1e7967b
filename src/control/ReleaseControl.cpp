#include "control/ReleaseControl.h"

#include "control/AState.h"

void ReleaseControl::initStates()
{
    for (int i = 0; i < 4; ++i) installState(i, new AState(&rods[i], this, -kHalfPi, 4.0f));
    finishPass();
}
