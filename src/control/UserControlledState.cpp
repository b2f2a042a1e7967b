#include "control/UserControlledState.h"

#include "control/FoosballControl.h"
#include "control/SmoothRate.h"
#include "control/RodCommand.h"
#include "simulation/TableGeometry.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kStrikeAngle = 0.5f;
constexpr float kWindBackAngle = -0.5f;
constexpr float kTrapAngle = 1.2f;
// The trap tilt turns at the slowest click speed (setting 1), whatever the click speed: a
// ball lying against the upright feet is nudged on at about 40 units/s instead of being
// shot away at the click speed, and the tilt is still up within a fifth of a second.
constexpr float kTrapSpeed = 6.25f;
constexpr float kRotationRateLimit = 100.0f;
constexpr float kShiftRateLimit = 400.0f;
constexpr float kHalfWidth = kTableWidth / 2.0f;
constexpr float kSideWallZ = kTableWidth;

float wrapAngle(float angle)
{
    // A wild mouse count can throw the angle many turns away; fold it before the loops.
    if (std::fabs(angle) > 4.0f * kTwoPi) angle = std::fmod(angle, kTwoPi);
    while (angle < -kPi) angle += kTwoPi;
    while (angle > kPi) angle -= kTwoPi;
    return angle;
}
} // namespace

void UserControlledState::update(float dt)
{
    rotate(dt);
    shiftByMouse(dt);
    float angularSpeed = std::fabs(rod->angularVelocity);
    float shiftSpeed = std::fabs(rod->shiftVelocity);
    if (angularSpeed > rod->peakAngularSpeed) rod->peakAngularSpeed = angularSpeed;
    if (shiftSpeed > rod->peakShiftSpeed) rod->peakShiftSpeed = shiftSpeed;
    keepBooks(dt);
}

void UserControlledState::rotate(float dt)
{
    float clickSpeed = static_cast<float>(clickRotationSpeed) * 50.0f * 0.125f;
    bool leftDown = command && command->shoot;
    bool rightDown = command && command->tilt;
    switch (clickPhase) {
    case kClickStriking:
        if (FoosballControl::rotateToward(*rod, dt, kStrikeAngle, clickSpeed)) clickPhase = kClickFree;
        return;
    case kClickWoundBack:
        // Held back until the button comes up; the rod does not turn meanwhile.
        if (!leftDown) clickPhase = kClickStriking;
        return;
    default:
        if (rightDown) {
            FoosballControl::rotateToward(*rod, dt, kTrapAngle, std::min(clickSpeed, kTrapSpeed));
        } else if (leftDown) {
            if (FoosballControl::rotateToward(*rod, dt, kWindBackAngle, clickSpeed))
                clickPhase = kClickWoundBack;
        } else {
            turnByMouse(dt);
        }
        return;
    }
}

void UserControlledState::turnByMouse(float dt)
{
    float m = command ? command->turn : 0.0f;
    if (reversedRotation) m = -m;
    float dA = -(rotationSensitivity * m);
    if (rotationLimits) {
        float over = rod->angle + dA - kHalfPi;
        if (over > 0.0f) {
            dA -= over;
            rod->angularVelocity = 0.0f;
        }
        float under = rod->angle + dA + kHalfPi;
        if (under < 0.0f) {
            dA -= under;
            rod->angularVelocity = 0.0f;
        }
    }
    rod->angle = wrapAngle(rod->angle + dA);
    rod->angularVelocity = smoothRate(rod->angularVelocity, dA, dt, kRotationRateLimit);
}

void UserControlledState::shiftByMouse(float dt)
{
    float dS = -(shiftSensitivity * (command ? command->shift : 0.0f));
    float margin = rod->endMargin;
    float over = rod->shift + dS + margin - kHalfWidth;
    if (over > 0.0f) {
        controller->simulation->playRodWallSound(rod->position, kSideWallZ, rod->shiftVelocity);
        dS -= over;
        rod->shiftVelocity = 0.0f;
    }
    float under = rod->shift + dS - margin + kHalfWidth;
    if (under < 0.0f) {
        controller->simulation->playRodWallSound(rod->position, 0.0f, rod->shiftVelocity);
        dS -= under;
        rod->shiftVelocity = 0.0f;
    }
    rod->shift += dS;
    rod->shiftVelocity = smoothRate(rod->shiftVelocity, dS, dt, kShiftRateLimit);
}
