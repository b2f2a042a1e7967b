#include "control/KeyboardRodCommands.h"

#include "control/AssistedControl.h"
#include "input/InputSystem.h"

void KeyboardRodCommands::beginFrame(float)
{
    held_ = RodCommand();
    turnPerSecond_ = shiftPerSecond_ = 0.0f;
    if (!input)
        return;
    held_.shoot = input->isDown(Key::RightControl);
    held_.tilt = input->isDown(Key::RightShift);
    if (input->isDown(Key::Slash))
        held_.rodChoice = kSelectionAll;
    else if (input->isDown(Key::L))
        held_.rodChoice = kSelectionAuto;
    if (input->isPressed(Key::Comma))
        latch_.step(control, -1);
    if (input->isPressed(Key::Period))
        latch_.step(control, +1);
    if (input->isPressed(Key::M))
        latch_.switchAssistance();

    const float turnPerCount = control && control->rotationSensitivity > 0.0f ? control->rotationSensitivity : 0.007f;
    const float shiftPerCount = control && control->shiftSensitivity > 0.0f ? control->shiftSensitivity : 0.045f;
    // Right swings the feet forward: a negative turn in the hands' counts, undoing the
    // mouse's rotation direction, which the rod state applies to every turn.
    float turn = (input->isDown(Key::Left) ? 1.0f : 0.0f) - (input->isDown(Key::Right) ? 1.0f : 0.0f);
    if (control && control->reversedRotation) turn = -turn;
    // Up pushes the rods away, as the mouse moved forward (negative counts).
    const float shift = (input->isDown(Key::Down) ? 1.0f : 0.0f) - (input->isDown(Key::Up) ? 1.0f : 0.0f);
    turnPerSecond_ = turn * kTurnRate / turnPerCount;
    shiftPerSecond_ = shift * kShiftRate / shiftPerCount;
}

RodCommand KeyboardRodCommands::next(float s)
{
    RodCommand command = held_;
    command.turn = turnPerSecond_ * s;
    command.shift = shiftPerSecond_ * s;
    latch_.apply(command);
    return command;
}
