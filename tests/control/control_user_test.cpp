// The held rod: mouse turning and shifting, the click shot, the trap tilt, the limits and
// the end stops.
#include "ControlTestSupport.h"

#include "control/AssistedControl.h"
#include "control/MouseRodCommands.h"
#include "control/UserControlledState.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class UserControlTest : public ::testing::Test {
protected:
    Simulation sim;
    RecordingTableSounds sounds;
    InputSystem& input = makeInputSnapshot();
    MouseRodCommands hands;  // the mouse reaches the held rod as commands
    AssistedControl control;
    UserControlledState* held = nullptr;
    Rod* rod = nullptr;

    void SetUp() override
    {
        sim.tableSounds = &sounds;
        control.simulation = &sim;
        control.rods = sim.teams[0].rods;
        hands.input = &input;
        control.selectionMode = 2;
        control.clickRotationSpeed = 8;  // 50 rad/s
        control.setMouseSensitivities(15, 15);
        control.initStates();
        held = static_cast<UserControlledState*>(control.states[2]);
        rod = &sim.teams[0].rods[2];
    }

    void step(int count = 1)
    {
        for (int i = 0; i < count; ++i) {
            hands.beginFrame(0.001f);
            control.takeCommand(hands.next(0.001f));
            held->update(0.001f);
        }
    }
};

TEST_F(UserControlTest, ClickShotWindsBackHoldsThenStrikes)
{
    input.mouseMoveX = 3.0f;  // sideways movement is ignored while the shot runs
    input.mouseMoveY = -1.0f; // forward movement shifts throughout
    pressButton(input, 0, true);
    step(5);
    EXPECT_NEAR(rod->angle, -0.25f, 1e-5f);
    EXPECT_EQ(rod->angularVelocity, -50.0f);
    step(5);
    EXPECT_EQ(rod->angle, -0.5f);
    EXPECT_EQ(held->clickPhase, kClickWoundBack);
    pressButton(input, 1, true);  // the trap tilt waits for the free phase
    step(990);
    EXPECT_EQ(rod->angle, -0.5f);
    EXPECT_EQ(held->clickPhase, kClickWoundBack);

    pressButton(input, 0, false);
    step();
    EXPECT_EQ(held->clickPhase, kClickStriking);
    EXPECT_EQ(rod->angle, -0.5f);
    step(19);
    EXPECT_NEAR(rod->angle, 0.45f, 1e-4f);
    EXPECT_EQ(rod->angularVelocity, 50.0f);
    step();
    EXPECT_EQ(rod->angle, 0.5f);
    EXPECT_EQ(held->clickPhase, kClickFree);
    EXPECT_NEAR(rod->shift, 6.2f, 1e-4f) << "the rod kept shifting, up to its stop";

    // Free again: the right button, still down, now tilts the figures, at the trapping
    // speed of 6.25 rad/s however fast the click shot is.
    step(20);
    EXPECT_NEAR(rod->angle, 0.5f + 20 * 0.00625f, 1e-4f);
    EXPECT_EQ(rod->angularVelocity, 6.25f);
    step(100);
    EXPECT_NEAR(rod->angle, 1.2f, 1e-5f);
    pressButton(input, 1, false);
    step();
    EXPECT_LT(rod->angle, 1.2f) << "the mouse takes over from the tilt";
}

TEST_F(UserControlTest, AlongTheTableForwardTurnsAndSidewaysShifts)
{
    // Across the table: right turns the feet back and back shifts one way.
    input.mouseMoveX = 10.0f;
    input.mouseMoveY = 4.0f;
    step();
    const float turned = rod->angle, shifted = rod->shift;
    rod->angle = 0.0f;
    rod->shift = 0.0f;
    // Along it, seen from behind the own goal: the same hand movement turned a quarter
    // (right is where back was, forward where right was) moves the rod the same way.
    hands.axes = MouseAxes::AlongTable;
    input.mouseMoveX = 4.0f;
    input.mouseMoveY = -10.0f;
    step();
    EXPECT_FLOAT_EQ(rod->angle, turned);
    EXPECT_FLOAT_EQ(rod->shift, shifted);
}

TEST_F(UserControlTest, EarlyReleaseLeavesTheRodWhereItGot)
{
    pressButton(input, 0, true);
    step(4);
    pressButton(input, 0, false);
    step();
    EXPECT_EQ(held->clickPhase, kClickFree);
    EXPECT_NEAR(rod->angle, -0.2f, 1e-5f);
}

TEST_F(UserControlTest, ReversedRotationFlipsOnlyTheMouse)
{
    input.mouseMoveX = 10.0f;
    step();
    float normal = rod->angle;
    EXPECT_LT(normal, 0.0f) << "moving right turns the feet back";
    rod->angle = 0.0f;
    held->reversedRotation = 1;
    step();
    EXPECT_FLOAT_EQ(rod->angle, -normal);

    input.mouseMoveX = 0.0f;
    rod->angle = 0.0f;
    pressButton(input, 1, true);
    step(200);
    EXPECT_EQ(rod->angle, 1.2f);
    pressButton(input, 1, false);
    rod->angle = 0.0f;
    pressButton(input, 0, true);
    step(100);
    EXPECT_EQ(rod->angle, -0.5f);
}

TEST_F(UserControlTest, RotationLimitsBoundTheMouseTurn)
{
    held->rotationLimits = true;
    input.mouseMoveX = -200.0f;
    for (int i = 0; i < 50; ++i) {
        step();
        EXPECT_LE(rod->angle, kHalfPi + 1e-6f);
    }
    EXPECT_FLOAT_EQ(rod->angle, kHalfPi);
    input.mouseMoveX = 200.0f;
    for (int i = 0; i < 50; ++i) {
        step();
        EXPECT_GE(rod->angle, -kHalfPi - 1e-6f);
    }
    EXPECT_FLOAT_EQ(rod->angle, -kHalfPi);
}

TEST_F(UserControlTest, WithoutLimitsTheRodTurnsRoundAndTheAngleStaysWrapped)
{
    input.mouseMoveX = -100.0f;  // 1.4 rad per step
    int wraps = 0;
    for (int i = 0; i < 100; ++i) {
        float before = rod->angle;
        step();
        EXPECT_LE(std::fabs(rod->angle), kPi + 1e-5f);
        if (rod->angle < before) ++wraps;  // passed pi and came back in at -pi
    }
    EXPECT_GE(wraps, 20);
    EXPECT_LE(std::fabs(rod->angularVelocity), 100.0f);

    // A wild count from a broken device neither hangs nor leaves the range.
    input.mouseMoveX = 2.0e9f;
    step();
    EXPECT_LE(std::fabs(rod->angle), kPi + 1e-3f);
}

TEST_F(UserControlTest, EndStopStopsTheRodAndSoundsOnlyWhenFast)
{
    // Verticals: 0.09 units per count at setting 15; the midfield travels +-6.2.
    input.mouseMoveY = -10.0f;
    step(6);
    EXPECT_NEAR(rod->shift, 5.4f, 1e-4f);
    ASSERT_GT(rod->shiftVelocity, 2.5f);
    step();
    EXPECT_NEAR(rod->shift, 6.2f, 1e-5f);
    ASSERT_EQ(sounds.count("rodwall"), 1);
    EXPECT_NEAR(sounds.last("rodwall")->position.x, 51.0f - 58.7f, 1e-4f);
    EXPECT_NEAR(sounds.last("rodwall")->position.z, 33.2f, 1e-4f);
    // The step that reached the stop still carries the smoothed last bit of travel, so
    // pushing on knocks once more; after that the rod rests on its stop, silent.
    step();
    EXPECT_NEAR(rod->shift, 6.2f, 1e-5f);
    EXPECT_NEAR(rod->shiftVelocity, 0.0f, 1e-3f);
    EXPECT_EQ(sounds.count("rodwall"), 2);
    step(50);
    EXPECT_NEAR(rod->shift, 6.2f, 1e-5f);
    EXPECT_EQ(sounds.count("rodwall"), 2) << "a rod resting on its stop is silent";

    // Creeping into the other stop below 2.5 units/s makes no sound.
    input.mouseMoveY = 0.02f;  // 1.8 units/s
    rod->shift = -6.19f;
    rod->shiftVelocity = -1.8f;
    step(10);
    EXPECT_NEAR(rod->shift, -6.2f, 1e-5f);
    EXPECT_EQ(sounds.count("rodwall"), 2);
    rod->shift = -6.0f;
    rod->shiftVelocity = -3.0f;
    input.mouseMoveY = 5.0f;
    step();
    ASSERT_EQ(sounds.count("rodwall"), 3);
    EXPECT_NEAR(sounds.last("rodwall")->position.z, -33.2f, 1e-4f);
    EXPECT_NEAR(sounds.last("rodwall")->volume, 0.12f, 1e-4f);
}

} // namespace
