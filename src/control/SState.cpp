#include "control/SState.h"

#include "control/FoosballControl.h"

#include <cmath>

namespace {
constexpr float kSlowBallSpeed = 4.0f;
constexpr float kContactDistance = 3.3f;  // ball radius 1.8 + foot radius 1.5
constexpr float kSlowStrikeReach = 7.5f;
} // namespace

void SState::update(float dt)
{
    if (!striking && timeToStrike()) striking = true;
    if (striking) {
        if (FoosballControl::rotateToward(*rod, dt, windUpAngle, strikeSpeed)) struck = true;
    }
    else {
        FoosballControl::rotateToward(*rod, dt, -windUpAngle, rotationSpeed);
    }
    FoosballControl::moveShiftToward(*rod, dt, targetShift, shiftSpeed);
    keepBooks(dt);
}

bool SState::timeToStrike() const
{
    OwnFrameVector ball = controller->ballPositionOwn();
    OwnFrameVector v = controller->ballVelocityOwn();
    float relX = ball.x - strikePointX;
    float relZ = ball.z - strikePointZ;
    float speed = std::sqrt(v.x * v.x + v.z * v.z);
    if (speed > kSlowBallSpeed) {
        // When will the ball come within contact distance of the strike point?
        float a = v.x * v.x + v.z * v.z;
        float b = 2.0f * (relX * v.x + relZ * v.z);
        float c = relX * relX + relZ * relZ - kContactDistance * kContactDistance;
        float disc = b * b - 4.0f * a * c;
        if (disc < 0.0f || a <= 0.0001f) return false;
        float root = std::sqrt(disc);
        float t = ((v.x > 0.0f ? root : -root) - b) * 0.5f / a;
        return t <= windUpAngle / strikeSpeed;
    }
    // A slow ball: strike once the wind-up has had time to finish and the ball is near.
    return timeInState > 3.5f / rotationSpeed + 0.3f &&
           std::sqrt(relX * relX + relZ * relZ) < kSlowStrikeReach;
}
