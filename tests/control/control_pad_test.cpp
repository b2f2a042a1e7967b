// A pad's and the second keyboard player's hands: the sticks through dead zone, sensitivity
// and inversion in rate and position control, the frame's movement shared over its
// sub-steps as the mouse's is, and presses held until the controller's selection pass.
#include "ControlTestSupport.h"

#include "control/AssistedControl.h"
#include "control/KeyboardRodCommands.h"
#include "control/PadRodCommands.h"

#include <gtest/gtest.h>

namespace {

struct PadHands : ::testing::Test {
    InputSystem& input = makeInputSnapshot();
    AssistedControl control;
    PadRodCommands pad;
    void SetUp() override {
        PadState state;
        state.id = 5;
        input.pads.push_back(state);
        pad.input = &input;
        pad.control = &control;
        pad.padId = 5;
    }
    PadState& stick() { return input.pads[0]; }
    // One frame of dt: the summed turn and shift of its sub-steps of 1 ms.
    RodCommand frame(float dt) {
        input.previousPads = input.pads;
        pad.beginFrame(dt);
        RodCommand sum;
        for (float left = dt; left > 1e-6f; left -= 0.001f) {
            const RodCommand c = pad.next(std::min(left, 0.001f));
            sum.turn += c.turn;
            sum.shift += c.shift;
            sum.shoot = c.shoot;
            sum.tilt = c.tilt;
            sum.rodChoice = c.rodChoice;
        }
        return sum;
    }
};

TEST_F(PadHands, RateControlTurnsAtTheStickPaceBeyondTheDeadZone)
{
    pad.settings.turnControl = StickControl::Rate;
    pad.settings.shiftControl = StickControl::Rate;
    stick().axes[kPadRightX] = 0.15f;  // inside the dead zone of 0.2
    stick().axes[kPadLeftY] = -0.1f;
    RodCommand c = frame(0.02f);
    EXPECT_EQ(0.0f, c.turn);
    EXPECT_EQ(0.0f, c.shift);
    // Full right: the feet swing forward (a negative turn in counts) at 25 rad/s, the same
    // whether the frame is long or short.
    stick().axes[kPadRightX] = 1.0f;
    stick().axes[kPadLeftY] = -1.0f;
    c = frame(0.02f);
    EXPECT_NEAR(-25.0f * 0.02f, c.turn * control.rotationSensitivity, 1e-4f);
    EXPECT_NEAR(-80.0f * 0.02f, c.shift * control.shiftSensitivity, 1e-3f);  // up: away
    // Half way between the dead zone's edge and the end is half the pace; sensitivity 15
    // nearly doubles it; inversion turns it round.
    stick().axes[kPadRightX] = 0.6f;
    c = frame(0.01f);
    EXPECT_NEAR(-12.5f * 0.01f, c.turn * control.rotationSensitivity, 1e-4f);
    pad.settings.sensitivity = 15;
    pad.settings.invertTurn = true;
    c = frame(0.01f);
    EXPECT_NEAR(12.5f * 15.0f / 8.0f * 0.01f, c.turn * control.rotationSensitivity, 1e-4f);
}

TEST_F(PadHands, PositionControlMovesTheRodAsFarAsTheStickMovedAndNoFurther)
{
    pad.settings.turnControl = StickControl::Position;
    pad.settings.shiftControl = StickControl::Position;
    frame(0.016f);
    stick().axes[kPadRightX] = 1.0f;
    RodCommand c = frame(0.016f);
    EXPECT_NEAR(-1.6f, c.turn * control.rotationSensitivity, 1e-4f);
    // Held there, the rod stays; back to rest, it comes back.
    EXPECT_EQ(0.0f, frame(0.016f).turn);
    stick().axes[kPadRightX] = 0.0f;
    EXPECT_NEAR(1.6f, frame(0.016f).turn * control.rotationSensitivity, 1e-4f);
    // A pad pulled out and another taken: its stick's first position moves nothing.
    stick().id = 6;
    pad.padId = 6;
    stick().axes[kPadLeftY] = 1.0f;
    EXPECT_EQ(0.0f, frame(0.016f).shift);
}

TEST_F(PadHands, ButtonsShootTiltAndChooseRodsAndAShoulderTapReachesTheSelectionPass)
{
    Simulation sim;
    control.rods = sim.teams[0].rods;
    control.simulation = &sim;
    control.selectionMode = 1;
    control.initStates();
    stick().axes[kPadTriggerRight] = 0.8f;
    stick().buttons = 1u << kPadB;
    RodCommand c = frame(0.01f);
    EXPECT_TRUE(c.shoot);
    EXPECT_TRUE(c.tilt);
    stick().axes[kPadTriggerRight] = 0.0f;
    stick().buttons = 1u << kPadDpadRight;
    EXPECT_EQ(3, frame(0.01f).rodChoice);
    stick().buttons = 1u << kPadY;
    EXPECT_EQ(kSelectionAll, frame(0.01f).rodChoice);

    // A shoulder tapped within one short frame of 2 ms: the controller's pass, which comes
    // every ten updates, still sees the step to the rod in front.
    stick().buttons = 0;
    frame(0.01f);
    for (int i = 0; i < 3; ++i) control.update(0.001f);  // the next pass is 7 updates away
    stick().buttons = 1u << kPadRightShoulder;
    input.previousPads = input.pads;
    input.previousPads[0].buttons = 0;
    pad.beginFrame(0.002f);
    stick().buttons = 0;
    for (int i = 0; i < 12; ++i) {
        if (i == 2) pad.beginFrame(0.01f);  // the next frame, shoulder up again
        control.takeCommand(pad.next(0.001f));
        control.update(0.001f);
    }
    EXPECT_EQ(2, control.selectionMode);
    // X switches the assistance once.
    const bool assisted = control.assisted;
    stick().buttons = 1u << kPadX;
    input.previousPads[0].buttons = 0;
    pad.beginFrame(0.03f);
    for (int i = 0; i < 30; ++i) {
        control.takeCommand(pad.next(0.001f));
        control.update(0.001f);
    }
    EXPECT_NE(assisted, control.assisted);
}

TEST(KeyboardHands, TheArrowsAndTheSecondSetOfKeysLeaveTheGamesKeysAlone)
{
    InputSystem& input = makeInputSnapshot();
    AssistedControl control;
    KeyboardRodCommands keys;
    keys.input = &input;
    keys.control = &control;
    // The game's own keys move nothing and choose nothing for the second player.
    for (std::uint8_t k : {Key::Digit1, Key::Space, Key::C, Key::V, Key::X, Key::D, Key::P, Key::Y, Key::N})
        pressKey(input, k, true);
    keys.beginFrame(0.01f);
    RodCommand c = keys.next(0.01f);
    EXPECT_EQ(0.0f, c.turn);
    EXPECT_EQ(kNoRodChoice, c.rodChoice);
    EXPECT_FALSE(c.shoot || c.tilt || c.assistKey);

    std::memset(input.keys, 0, sizeof input.keys);
    for (std::uint8_t k : {Key::Right, Key::Up, Key::RightControl, Key::RightShift, Key::Slash})
        pressKey(input, k, true);
    keys.beginFrame(0.01f);
    c = keys.next(0.01f);
    EXPECT_NEAR(-KeyboardRodCommands::kTurnRate * 0.01f, c.turn * control.rotationSensitivity, 1e-4f);
    EXPECT_NEAR(-KeyboardRodCommands::kShiftRate * 0.01f, c.shift * control.shiftSensitivity, 1e-4f);
    EXPECT_TRUE(c.shoot && c.tilt);
    EXPECT_EQ(kSelectionAll, c.rodChoice);
    // The mouse's OPPOSITE rotation is the mouse's own: Right still swings the feet forward.
    control.reversedRotation = 1;
    keys.beginFrame(0.01f);
    EXPECT_GT(keys.next(0.01f).turn, 0.0f);
}

} // namespace
