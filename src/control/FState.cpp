#include "control/FState.h"

#include "control/FoosballControl.h"
#include "simulation/Simulation.h"

#include <cmath>

void FState::update(float dt)
{
    FoosballControl::rotateToward(*rod, dt, 0.0f, rotationSpeed);
    if (tracking) {
        // The figure at offset 0 (the goalkeeper) lines up with the ball, but only with a
        // ball in front of it: following one behind it would push it into the own goal.
        OwnFrameVector ball = controller->ballPositionOwn();
        float offset = ball.z - controller->simulation->width * 0.5f;
        if (std::fabs(offset) < trackingRange && ball.x > rod->position) targetShift = offset;
    }
    FoosballControl::moveShiftToward(*rod, dt, targetShift, shiftSpeed);
    keepBooks(dt);
}
