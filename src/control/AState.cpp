#include "control/AState.h"

#include "control/FoosballControl.h"

void AState::update(float dt)
{
    FoosballControl::rotateToward(*rod, dt, targetAngle, rotationSpeed);
}
