#include "control/MouseRodCommands.h"

#include "control/AssistedControl.h"
#include "input/InputSystem.h"

namespace {
constexpr int kLeftButton = 0;
constexpr int kRightButton = 1;

// The rod choice keys; the first one down in this order wins.
struct RodChoiceKey {
    std::uint8_t key;
    std::int32_t choice;
};
const RodChoiceKey kRodChoiceKeys[] = {
    {Key::Digit1, 0}, {Key::Digit2, 1}, {Key::Digit3, 2}, {Key::Digit4, 3},
    {Key::Space, kSelectionAuto}, {Key::C, kSelectionAll}, {Key::V, kSelectionBack},
};
}  // namespace

void MouseRodCommands::beginFrame(float dt)
{
    frameSeconds_ = dt;
    held_ = RodCommand();
    moveX_ = moveY_ = 0.0f;
    if (!input)
        return;
    moveX_ = input->mouseMoveX;
    moveY_ = input->mouseMoveY;
    held_.shoot = input->isButtonDown(kLeftButton);
    held_.tilt = input->isButtonDown(kRightButton);
    held_.assistKey = input->isDown(Key::X);
    for (const RodChoiceKey& k : kRodChoiceKeys) {
        if (input->isDown(k.key)) {
            held_.rodChoice = k.choice;
            break;
        }
    }
}

RodCommand MouseRodCommands::next(float s)
{
    RodCommand command = held_;
    const float share = s / frameSeconds_;
    if (axes == MouseAxes::AlongTable) {
        // Up the screen is towards the other goal, where sideways was; right is the way
        // the rods shift when the hand comes back in the view across the table.
        command.turn = -share * moveY_;
        command.shift = share * moveX_;
    } else {
        command.turn = share * moveX_;
        command.shift = share * moveY_;
    }
    return command;
}
