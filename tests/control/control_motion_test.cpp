// The rod motion helpers, the own frame, the lifting controller and the listener protocol.
#include "ControlTestSupport.h"

#include "control/AState.h"
#include "control/ControlStatesChangedListener.h"
#include "control/NonControlledState.h"
#include "control/ReleaseControl.h"
#include "control/SmoothRate.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class CountingListener : public ControlStatesChangedListener {
public:
    int calls = 0;
    void onControlStatesChanged() override { ++calls; }
};

// A controller whose passes a test drives by hand.
class ScriptedControl : public FoosballControl {
public:
    void initStates() override
    {
        for (int i = 0; i < 4; ++i) installState(i, new NonControlledState(&rods[i], this));
        finishPass();
    }
    void replaceIn(int count)
    {
        for (int i = 0; i < count; ++i) installState(i, new NonControlledState(&rods[i], this));
        finishPass();
    }
};

TEST(RodMotion, RotatesTheShortWayRoundAndLandsExactly)
{
    Rod rod;
    rod.angle = 3.0f;
    int steps = 0;
    bool arrived = false;
    while (!arrived && steps < 1000) {
        arrived = FoosballControl::rotateToward(rod, 0.001f, -3.0f, 10.0f);
        if (!arrived) {
            EXPECT_GT(rod.angularVelocity, 0.0f) << "turned the long way at step " << steps;
        }
        ++steps;
    }
    ASSERT_TRUE(arrived);
    EXPECT_EQ(rod.angle, -3.0f);
    EXPECT_EQ(rod.angularVelocity, 0.0f);
    // 2 pi - 6 = 0.283 rad at 10 rad/s: about 29 steps, not the 600 of the long way.
    EXPECT_LT(steps, 40);

    // A step larger than the distance lands on the target rather than beyond it.
    rod.angle = 0.0f;
    EXPECT_TRUE(FoosballControl::rotateToward(rod, 0.1f, 0.05f, 5.0f));
    EXPECT_EQ(rod.angle, 0.05f);
    // Exactly opposite counts as the positive way.
    rod.angle = 0.0f;
    EXPECT_FALSE(FoosballControl::rotateToward(rod, 0.001f, kPi, 1.0f));
    EXPECT_GT(rod.angle, 0.0f);
    EXPECT_EQ(rod.angularVelocity, 1.0f);
}

TEST(RodMotion, ShiftMovesAtSpeedAndLandsExactly)
{
    Rod rod;
    rod.shift = 1.0f;
    FoosballControl::moveShiftToward(rod, 0.01f, -2.0f, 9.0f);
    EXPECT_FLOAT_EQ(rod.shift, 0.91f);
    EXPECT_EQ(rod.shiftVelocity, -9.0f);
    FoosballControl::moveShiftToward(rod, 1.0f, -2.0f, 9.0f);
    EXPECT_EQ(rod.shift, -2.0f);
    EXPECT_EQ(rod.shiftVelocity, 0.0f);
    // Travel limits are the caller's business: a target beyond the end stop is reached.
    FoosballControl::moveShiftToward(rod, 10.0f, 40.0f, 9.0f);
    EXPECT_EQ(rod.shift, 40.0f);
}

TEST(RodMotion, SmoothRateAveragesOverTwentyMilliseconds)
{
    float rate = 0.0f;
    rate = smoothRate(rate, 0.005f, 0.001f, 100.0f);
    EXPECT_NEAR(rate, 0.25f, 1e-4f);  // a twentieth of the way to 5 rad/s
    for (int i = 1; i < 20; ++i) rate = smoothRate(rate, 0.005f, 0.001f, 100.0f);
    EXPECT_GT(rate, 3.0f);
    EXPECT_LT(rate, 5.0f);
    for (int i = 0; i < 200; ++i) rate = smoothRate(rate, 0.005f, 0.001f, 100.0f);
    EXPECT_NEAR(rate, 5.0f, 1e-3f);
    // Long steps take the raw rate; the limit clamps; a zero step does not divide by zero.
    EXPECT_FLOAT_EQ(smoothRate(3.0f, 0.5f, 0.05f, 100.0f), 10.0f);
    EXPECT_EQ(smoothRate(0.0f, -5.0f, 0.05f, 40.0f), -40.0f);
    EXPECT_TRUE(std::isfinite(smoothRate(0.0f, 1.0f, 0.0f, 400.0f)));
}

TEST(OwnFrame, TeamOneSeesTheTableTurnedHalfRound)
{
    Simulation sim;
    ReleaseControl home;
    ReleaseControl away;
    home.simulation = away.simulation = &sim;
    home.rods = sim.teams[0].rods;
    away.rods = sim.teams[1].rods;
    placeBallForTest(sim, 10.0f, 20.0f, 3.0f, -2.0f);

    EXPECT_FALSE(home.playsTeam1());
    EXPECT_TRUE(away.playsTeam1());
    EXPECT_FLOAT_EQ(home.ballPositionOwn().x, 10.0f);
    EXPECT_FLOAT_EQ(home.ballPositionOwn().z, 20.0f);
    EXPECT_FLOAT_EQ(away.ballPositionOwn().x, 107.4f);
    EXPECT_FLOAT_EQ(away.ballPositionOwn().z, 46.4f);
    EXPECT_FLOAT_EQ(home.ballVelocityOwn().x, 3.0f);
    EXPECT_FLOAT_EQ(away.ballVelocityOwn().x, -3.0f);
    EXPECT_FLOAT_EQ(away.ballVelocityOwn().z, 2.0f);
}

TEST(ReleaseControl, LiftsEveryRodInAboutPointFourSecondsAndHoldsStill)
{
    Simulation sim;
    ReleaseControl release;
    release.simulation = &sim;
    release.rods = sim.teams[1].rods;
    sim.teams[1].rods[2].shift = 2.5f;
    release.initStates();
    int updates = 0;
    while (sim.teams[1].rods[0].angle != -kHalfPi && updates < 2000) {
        release.update(0.001f);
        ++updates;
    }
    EXPECT_NEAR(updates, 393, 2);
    for (int i = 0; i < 500; ++i) release.update(0.001f);
    for (const Rod& rod : sim.teams[1].rods) {
        EXPECT_EQ(rod.angle, -kHalfPi);
        EXPECT_EQ(rod.angularVelocity, 0.0f);
        EXPECT_EQ(rod.shiftVelocity, 0.0f);
    }
    EXPECT_EQ(sim.teams[1].rods[2].shift, 2.5f);
    EXPECT_EQ(release.states[3]->timeInState, 0.0f) << "a lifted rod keeps no time";
}

TEST(ControlListeners, OneNotificationPerReplacingPassInListOrder)
{
    Simulation sim;
    ScriptedControl control;
    control.simulation = &sim;
    control.rods = sim.teams[0].rods;
    CountingListener first;
    CountingListener second;
    CountingListener third;
    control.addListener(&first);
    control.addListener(&second);
    control.addListener(&third);
    control.addListener(&second);
    control.removeListener(&second);  // the first entry only
    ASSERT_EQ(control.listeners.size(), 3u);
    EXPECT_EQ(control.listeners[1], &third);
    EXPECT_EQ(control.listeners[2], &second);

    control.initStates();
    EXPECT_EQ(first.calls, 1);
    control.replaceIn(0);
    EXPECT_EQ(first.calls, 1);
    control.replaceIn(3);
    EXPECT_EQ(first.calls, 2);
    EXPECT_EQ(second.calls, 2);
    EXPECT_EQ(third.calls, 2);
}

} // namespace
