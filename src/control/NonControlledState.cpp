#include "control/NonControlledState.h"

#include "simulation/Simulation.h"

void NonControlledState::update(float dt)
{
    rod->angularVelocity = 0.0f;
    rod->shiftVelocity = 0.0f;
    keepBooks(dt);
}
