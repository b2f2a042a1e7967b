#include "control/FoosballControl.h"

#include "control/ControlState.h"
#include "control/ControlStatesChangedListener.h"

#include <algorithm>
#include <cmath>

FoosballControl::~FoosballControl()
{
    for (ControlState*& state : states) {
        delete state;
        state = nullptr;
    }
    listeners.clear();
}

void FoosballControl::update(float dt)
{
    for (ControlState* state : states)
        if (state) state->update(dt);
}

void FoosballControl::addListener(ControlStatesChangedListener* listener)
{
    listeners.push_back(listener);
}

void FoosballControl::removeListener(ControlStatesChangedListener* listener)
{
    auto it = std::find(listeners.begin(), listeners.end(), listener);
    if (it != listeners.end()) listeners.erase(it);
}

bool FoosballControl::playsTeam1() const
{
    return simulation && rods != &simulation->teams[0].rods[0];
}

OwnFrameVector FoosballControl::ballPositionOwn() const
{
    const Vector3& p = simulation->ballPosition;
    if (playsTeam1()) return {simulation->length - p.x, simulation->width - p.z};
    return {p.x, p.z};
}

OwnFrameVector FoosballControl::ballVelocityOwn() const
{
    const Vector3& v = simulation->ballVelocity;
    if (playsTeam1()) return {-v.x, -v.z};
    return {v.x, v.z};
}

bool FoosballControl::rotateToward(Rod& rod, float dt, float targetAngle, float speed)
{
    float d = targetAngle - rod.angle;
    // Angles far outside one turn (never produced by the controls) are folded first so the
    // loop below always ends.
    if (std::fabs(d) > 4.0f * kTwoPi) d = std::fmod(d, kTwoPi);
    while (d < 0.0f) d += kTwoPi;
    if (d > kPi) d -= kTwoPi;
    float step = speed * dt;
    if (step < std::fabs(d)) {
        bool positive = d >= 0.0f;
        rod.angle += positive ? step : -step;
        rod.angularVelocity = positive ? speed : -speed;
        return false;
    }
    rod.angle = targetAngle;
    rod.angularVelocity = 0.0f;
    return true;
}

void FoosballControl::moveShiftToward(Rod& rod, float dt, float targetShift, float speed)
{
    float d = targetShift - rod.shift;
    float step = speed * dt;
    if (step < std::fabs(d)) {
        bool positive = d >= 0.0f;
        rod.shift += positive ? step : -step;
        rod.shiftVelocity = positive ? speed : -speed;
        return;
    }
    rod.shift = targetShift;
    rod.shiftVelocity = 0.0f;
}

void FoosballControl::installState(int rodIndex, ControlState* state)
{
    delete states[rodIndex];
    states[rodIndex] = state;
    replacedInPass_ = true;
}

void FoosballControl::finishPass()
{
    if (!replacedInPass_) return;
    replacedInPass_ = false;
    // A copy: a listener may remove itself while being told.
    std::vector<ControlStatesChangedListener*> told = listeners;
    for (ControlStatesChangedListener* listener : told) listener->onControlStatesChanged();
}
