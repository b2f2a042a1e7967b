#include "control/PadRodCommands.h"

#include "control/AssistedControl.h"
#include "input/InputSystem.h"

#include <cmath>

namespace {
// A trigger pulled this far counts as a button held.
constexpr float kTriggerPull = 0.5f;
// The mouse's own sensitivities at the settings' middle, for hands without a controller.
constexpr float kDefaultTurnPerCount = 8.0f * 0.007f / 7.5f;
constexpr float kDefaultShiftPerCount = 8.0f * 0.045f / 7.5f;

struct DpadRod {
    int button;
    std::int32_t rod;
};
const DpadRod kDpadRods[] = {
    {kPadDpadLeft, 0}, {kPadDpadDown, 1}, {kPadDpadUp, 2}, {kPadDpadRight, 3},
};
}  // namespace

float stickTravel(float raw, float deadZone)
{
    const float zone = std::fmin(std::fmax(deadZone, 0.0f), 0.95f);
    const float size = std::fabs(raw);
    if (!(size > zone))
        return 0.0f;
    const float travel = std::fmin((size - zone) / (1.0f - zone), 1.0f);
    return raw < 0.0f ? -travel : travel;
}

void PadRodCommands::reset()
{
    havePrevious_ = false;
    previousPad_ = kNoPad;
    latch_.clear();
    held_ = RodCommand();
    turn_ = shift_ = 0.0f;
}

float PadRodCommands::turnPerCount() const
{
    const float sensitivity = control ? control->rotationSensitivity : kDefaultTurnPerCount;
    return sensitivity > 0.0f ? sensitivity : kDefaultTurnPerCount;
}

float PadRodCommands::shiftPerCount() const
{
    const float sensitivity = control ? control->shiftSensitivity : kDefaultShiftPerCount;
    return sensitivity > 0.0f ? sensitivity : kDefaultShiftPerCount;
}

void PadRodCommands::readButtons(const PadState& pad)
{
    held_.shoot = pad.isDown(kPadA) || pad.axes[kPadTriggerRight] > kTriggerPull;
    held_.tilt = pad.isDown(kPadB) || pad.axes[kPadTriggerLeft] > kTriggerPull;
    held_.assistKey = false;
    for (const DpadRod& d : kDpadRods) {
        if (pad.isDown(d.button)) {
            held_.rodChoice = d.rod;
            break;
        }
    }
    if (held_.rodChoice == kNoRodChoice && pad.isDown(kPadY))
        held_.rodChoice = kSelectionAll;
    if (held_.rodChoice == kNoRodChoice && pad.isDown(kPadBack))
        held_.rodChoice = kSelectionAuto;
    if (input->isPadPressed(pad.id, kPadLeftShoulder))
        latch_.step(control, -1);
    if (input->isPadPressed(pad.id, kPadRightShoulder))
        latch_.step(control, +1);
    if (input->isPadPressed(pad.id, kPadX))
        latch_.switchAssistance();
}

void PadRodCommands::beginFrame(float dt)
{
    frameSeconds_ = dt;
    held_ = RodCommand();
    turn_ = shift_ = 0.0f;
    const PadState* pad = input ? input->findPad(padId) : nullptr;
    if (!pad) {
        havePrevious_ = false;
        return;
    }
    if (pad->id != previousPad_) {
        havePrevious_ = false;
        latch_.clear();
        previousPad_ = pad->id;
    }
    readButtons(*pad);

    // Stick right swings the feet forward, which the hands' counts call a negative turn (as
    // the mouse moved left); stick up (negative) pushes the rods away, as the mouse moved
    // forward.
    float turnTravel = -stickTravel(pad->axes[kPadRightX], settings.deadZone);
    float shiftTravel = stickTravel(pad->axes[kPadLeftY], settings.deadZone);
    if (settings.invertTurn) turnTravel = -turnTravel;
    if (settings.invertShift) shiftTravel = -shiftTravel;
    // The profile's rod rotation direction belongs to the mouse: the rod state applies it to
    // every turn, so it is undone here.
    if (control && control->reversedRotation) turnTravel = -turnTravel;

    const float pace = static_cast<float>(settings.sensitivity) / 8.0f;
    const float turnHand = turnTravel * kPadTurnRange * pace / turnPerCount();
    const float shiftHand = shiftTravel * kPadShiftRange * pace / shiftPerCount();
    if (settings.turnControl == StickControl::Rate)
        turn_ = turnTravel * kPadTurnRate * pace / turnPerCount();
    else
        turn_ = havePrevious_ ? turnHand - previousTurnHand_ : 0.0f;
    if (settings.shiftControl == StickControl::Rate)
        shift_ = shiftTravel * kPadShiftRate * pace / shiftPerCount();
    else
        shift_ = havePrevious_ ? shiftHand - previousShiftHand_ : 0.0f;
    previousTurnHand_ = turnHand;
    previousShiftHand_ = shiftHand;
    havePrevious_ = true;
}

RodCommand PadRodCommands::next(float s)
{
    RodCommand command = held_;
    const float share = frameSeconds_ > 0.0f ? s / frameSeconds_ : 0.0f;
    command.turn = settings.turnControl == StickControl::Rate ? turn_ * s : turn_ * share;
    command.shift = settings.shiftControl == StickControl::Rate ? shift_ * s : shift_ * share;
    latch_.apply(command);
    return command;
}
