#include "control/AssistedControl.h"

#include "control/AState.h"
#include "control/FState.h"
#include "control/NonControlledState.h"
#include "control/UserControlledState.h"

#include <algorithm>

namespace {
// Without it a ball lying near a split point hands the mouse back and forth between two
// rods many times a minute, and every handover drops the click shot being wound up.
constexpr float kHandOverMargin = 3.0f;
// A ball rolling back and forth near the split still hands over at each turn of its speed:
// the rod just left gets the ball back no sooner than this.
constexpr float kHandBackTime = 0.5f;
}  // namespace

void AssistedControl::setMouseSensitivities(int horizontalSetting, int verticalSetting)
{
    rotationSensitivity = static_cast<float>(horizontalSetting) * 0.007f / 7.5f;
    shiftSensitivity = static_cast<float>(verticalSetting) * 0.045f / 7.5f;
}

void AssistedControl::initStates()
{
    chosenRod = -1;
    rodBeforeHandOver = -1;
    sinceHandOver = 0.0f;
    for (int i = 0; i < 4; ++i)
        installState(i, makeState(i, i == 2 ? kUserControlledStateType : kNonControlledStateType));
    // The display hears of the new match's states at once: the first selection pass may
    // change nothing (a manual mode without assistance), and the previous match's last
    // states may have been different ones.
    finishPass();
}

void AssistedControl::update(float dt)
{
    sinceHandOver += dt;
    if (updateCounter == 0) selectionPass();
    updateCounter = (updateCounter + 1) % 10;
    FoosballControl::update(dt);
}

void AssistedControl::selectionPass()
{
    readRodChoice();
    assignStates();
    finishPass();
}

void AssistedControl::readRodChoice()
{
    if (command.assistKey && !previousX) assisted = !assisted;
    previousX = command.assistKey;
    if (command.rodChoice != kNoRodChoice) selectionMode = command.rodChoice;
}

int AssistedControl::pickRod() const
{
    if (selectionMode >= 0) return selectionMode;
    OwnFrameVector ball = ballPositionOwn();
    OwnFrameVector velocity = ballVelocityOwn();
    int i = -1;
    for (int k = 0; k < 4 && rods[k].position < ball.x; ++k) i = k;
    if (i < 0) return 0;   // behind the goalkeeper
    if (i == 3) return 3;  // beyond the attack rod
    float xa = rods[i].position;
    float xb = rods[i + 1].position;
    // A moving ball hands over early to the rod it is heading for.
    float wa = 8.0f;
    float wb = 8.0f;
    if (velocity.x < -30.0f) {
        wb = 38.0f;
    } else {
        float v = std::min(velocity.x, 30.0f);
        if (v > 0.0f) wa = 8.0f + v;
        if (v < 0.0f) wb = 8.0f - v;
    }
    float split = (wa * xa + wb * xb) / (wa + wb);
    // The rod that has the ball keeps it until the ball is this far past the split.
    if (chosenRod == i) split += kHandOverMargin;
    if (chosenRod == i + 1) split -= kHandOverMargin;
    return split <= ball.x ? i + 1 : i;
}

void AssistedControl::assignStates()
{
    if (selectionMode == kSelectionAll) {
        for (int i = 0; i < 4; ++i) want(i, kUserControlledStateType);
        return;
    }
    int s = keepHeldRod(pickRod());
    if (chosenRod >= 0 && s != chosenRod) {
        rodBeforeHandOver = chosenRod;
        sinceHandOver = 0.0f;
    }
    chosenRod = s;
    int behind = assisted ? kFStateType : kNonControlledStateType;
    int inFront = assisted ? kAStateType : kNonControlledStateType;
    if (selectionMode == kSelectionBack) {
        for (int i = 0; i <= s; ++i) want(i, kUserControlledStateType);
        for (int i = s + 1; i < 4; ++i) want(i, inFront);
        return;
    }
    for (int i = 0; i < s; ++i) want(i, behind);
    for (int i = s + 1; i < 4; ++i) want(i, inFront);
    want(s, kUserControlledStateType);
}

int AssistedControl::keepHeldRod(int picked) const
{
    if (selectionMode >= 0 || chosenRod < 0 || picked == chosenRod) return picked;
    // A shot being wound up or struck stays with its rod: a hand-over would drop it.
    const ControlState* held = states[chosenRod];
    bool shotUnderWay = held && held->typeId() == kUserControlledStateType &&
                        static_cast<const UserControlledState*>(held)->clickPhase != kClickFree;
    if (command.shoot || shotUnderWay) return chosenRod;
    if (picked == rodBeforeHandOver && sinceHandOver < kHandBackTime) return chosenRod;
    return picked;
}

void AssistedControl::want(int rodIndex, int type)
{
    if (states[rodIndex] && states[rodIndex]->typeId() == type) return;
    installState(rodIndex, makeState(rodIndex, type));
}

ControlState* AssistedControl::makeState(int rodIndex, int type)
{
    Rod* rod = &rods[rodIndex];
    switch (type) {
    case kUserControlledStateType: {
        auto* state = new UserControlledState(rod, this);
        state->rotationLimits = rotationLimits;
        state->clickRotationSpeed = clickRotationSpeed;
        state->reversedRotation = reversedRotation;
        state->rotationSensitivity = rotationSensitivity;
        state->shiftSensitivity = shiftSensitivity;
        state->command = &command;
        return state;
    }
    case kFStateType:
        return new FState(rod, this, false, 0.0f, 0.0f, assistRotationSpeed, assistShiftSpeed);
    case kAStateType:
        return new AState(rod, this, -kHalfPi, assistRotationSpeed);
    default:
        return new NonControlledState(rod, this);
    }
}
