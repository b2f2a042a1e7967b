// Walls, goal mouths, posts, the spin exchange, the rim, friction and the speed limit.
#include <cmath>

#include "SimulationFixture.h"

// No foot near the ball: these cases are about the table alone.
struct BallMotion : SimulationFixture {
    BallMotion() { liftAllRods(); }
};

TEST_F(BallMotion, EndWallBesideTheGoalBounces) {
    launch(-0.5f, 10.0f, -50.0f, 0.0f);
    sim.step(0.001f);
    // Friction takes its small share after the bounce.
    EXPECT_NEAR(sim.ballVelocity.x, 35.0f, 0.02f);
    EXPECT_EQ(notifications(), 1u);
    ASSERT_EQ(sounds.count("ballwall"), 1);
    EXPECT_NEAR(sounds.last("ballwall")->volume, 1.0f, 1e-6f);  // 50 * 0.04 clamped
    EXPECT_FLOAT_EQ(sounds.last("ballwall")->position.y, 1.8f);
}

TEST_F(BallMotion, GoalMouthClearOfThePostsLetsTheBallIn) {
    launch(-0.5f, 30.0f, -50.0f, 0.0f);
    run(60);
    EXPECT_LT(sim.ballVelocity.x, -48.0f);
    EXPECT_EQ(sounds.count("ballwall"), 0);
}

TEST_F(BallMotion, SideWallSpinExchange) {
    launch(30.0f, -0.1f, 0.0f, -10.0f);
    sim.step(0.001f);
    EXPECT_NEAR(sim.ballVelocity.z, 7.0f, 0.01f);
    EXPECT_NEAR(sim.ballVelocity.x, 0.0f, 1e-6f);
    EXPECT_EQ(sim.spinRate, 0.0f);

    launch(30.0f, -0.1f, 0.0f, -10.0f, 5.0f);
    sim.step(0.001f);
    EXPECT_NEAR(sim.ballVelocity.z, 7.0f, 0.01f);
    EXPECT_NEAR(sim.ballVelocity.x, 2.25f, 0.01f);
    EXPECT_NEAR(sim.spinRate, 3.0f, 0.01f);  // less the spin decay of one step

    // The far side wall mirrors it: the ball kicks to -x with the same spin.
    launch(30.0f, sim.width + 0.1f, 0.0f, 10.0f, 5.0f);
    sim.step(0.001f);
    EXPECT_NEAR(sim.ballVelocity.z, -7.0f, 0.01f);
    EXPECT_NEAR(sim.ballVelocity.x, -2.25f, 0.01f);
}

TEST_F(BallMotion, SlowWallBounceNotifiesSilently) {
    launch(-0.1f, 5.0f, -2.0f, 0.0f);
    sim.step(0.001f);
    EXPECT_GT(sim.ballVelocity.x, 0.0f);
    EXPECT_EQ(notifications(), 1u);
    EXPECT_EQ(sounds.count("ballwall"), 0);
}

TEST_F(BallMotion, PostsReflectAndGoalSideWallsHoldTheBall) {
    // Straight at the lower near post (-1.8, 21.2) from the field side: n = (1, 0).
    launch(-0.1f, 22.0f, -20.0f, 0.0f);
    // Centre at x -0.1, z 22: n points from (-1.8, 21.2) to the ball.
    const float nx = 1.7f / std::sqrt(1.7f * 1.7f + 0.8f * 0.8f);
    const float nz = 0.8f / std::sqrt(1.7f * 1.7f + 0.8f * 0.8f);
    const float vn = -20.0f * nx;
    sim.step(0.001f);
    EXPECT_NEAR(sim.ballVelocity.x, -20.0f - 1.7f * vn * nx, 0.05f);
    EXPECT_NEAR(sim.ballVelocity.z, -1.7f * vn * nz, 0.05f);
    EXPECT_EQ(sim.spinRate, 0.0f);
    ASSERT_EQ(sounds.count("ballwall"), 1);
    EXPECT_NEAR(sounds.last("ballwall")->volume, std::fmin(std::fabs(vn) * 0.04f, 1.0f), 1e-4f);

    // Inside the goal box beside the post line the goal's side wall reflects vz only.
    launch(-2.5f, 22.0f, -5.0f, -10.0f);
    sim.step(0.001f);
    EXPECT_NEAR(sim.ballVelocity.z, 7.0f, 0.02f);
    EXPECT_LT(sim.ballVelocity.x, -4.9f);

    // Upper post at the far end.
    launch(sim.length + 0.1f, 44.6f, 30.0f, 0.0f);
    sim.step(0.001f);
    EXPECT_LT(sim.ballVelocity.x, 0.0f);
    EXPECT_LT(sim.ballVelocity.z, 0.0f);
}

TEST_F(BallMotion, RimHeightsAndPushes) {
    sim.rimEnabled = true;
    // Side strip: folded p.z = 0.2 + 1.8 = 2.0, half-way up the 4.0 strip.
    launch(50.0f, 0.2f, 0.0f, 0.0f);
    sim.step(0.001f);
    EXPECT_NEAR(sim.ballPosition.y, 1.8f + 0.7f, 1e-4f);
    EXPECT_GT(sim.ballVelocity.z, 0.0f);  // pushed toward the middle

    // The far side strip pushes the other way.
    launch(50.0f, sim.width - 0.2f, 0.0f, 0.0f);
    sim.step(0.001f);
    EXPECT_NEAR(sim.ballPosition.y, 2.5f, 1e-4f);
    EXPECT_LT(sim.ballVelocity.z, 0.0f);

    // Far corner triangle: pushed toward -x and -z.
    launch(sim.length - 2.0f, sim.width - 5.0f, 0.0f, 0.0f);
    sim.step(0.001f);
    EXPECT_GT(sim.ballPosition.y, 1.8f);
    EXPECT_LT(sim.ballVelocity.x, 0.0f);
    EXPECT_LT(sim.ballVelocity.z, 0.0f);

    // Flat in the middle.
    launch(50.0f, 33.2f, 0.0f, 0.0f);
    sim.step(0.001f);
    EXPECT_FLOAT_EQ(sim.ballPosition.y, 1.8f);

    // A ball left on the rim never comes to rest there: it rolls back onto the field.
    launch(40.0f, 0.5f, 0.0f, 0.0f);
    for (int i = 0; i < 3000 && sim.ballPosition.z < 4.0f; ++i) {
        sim.step(0.001f);
        ASSERT_FALSE(sim.ballAtRest);
    }
    EXPECT_GE(sim.ballPosition.z, 4.0f);
}

TEST_F(BallMotion, APlacedBallTheRimSetsRollingIsNoLongerAtRest) {
    sim.rimEnabled = true;
    sim.placeBall(40.0f, 0.5f);  // on the side strip, out of every rod's reach
    ASSERT_EQ(sim.restRegion, -1);
    sim.step(0.001f);
    EXPECT_FALSE(sim.ballAtRest) << "a rolling ball is not a dead ball";
    // Down on the field it comes to rest again, with its region measured there.
    for (int i = 0; i < 20000 && !sim.ballAtRest; ++i) sim.step(0.001f);
    ASSERT_TRUE(sim.ballAtRest);
    EXPECT_EQ(sim.restRegion, sim.reachRegion());
}

TEST_F(BallMotion, RimOffKeepsTheBallLevel) {
    launch(1.0f, 1.0f, 30.0f, 40.0f);
    for (int i = 0; i < 3000; ++i) {
        sim.step(0.001f);
        ASSERT_FLOAT_EQ(sim.ballPosition.y, 1.8f);
    }
}

TEST_F(BallMotion, FrictionBringsTheBallToRestWithOneNotification) {
    launch(40.0f, 10.0f, 10.0f, 0.0f);
    int restSteps = 0;
    for (int i = 0; i < 5000; ++i) {
        bool wasAtRest = sim.ballAtRest;
        sim.step(0.001f);
        if (!wasAtRest && sim.ballAtRest) ++restSteps;
    }
    EXPECT_EQ(restSteps, 1);
    EXPECT_EQ(sim.ballVelocity, Vector3{});
    // One for slowing through 4.0, one for coming to rest; none after.
    EXPECT_EQ(notifications(), 2u);
    EXPECT_EQ(sim.restRegion, sim.reachRegion());
    EXPECT_LT(sim.ballPosition.x, 40.0f + 10.0f * 10.0f / 2.6f);
}

TEST_F(BallMotion, SpinDecaysToZero) {
    launch(40.0f, 10.0f, 0.0f, 0.0f, -3.0f);
    sim.step(0.001f);
    EXPECT_NEAR(sim.spinRate, -3.0f + (3.0f * 0.18f + 0.25f) * 0.001f, 1e-5f);
    run(20000);
    EXPECT_EQ(sim.spinRate, 0.0f);
}

TEST_F(BallMotion, SpeedLimit) {
    launch(40.0f, 33.2f, 3000.0f, 4000.0f);
    sim.step(0.0001f);
    EXPECT_NEAR(length(sim.ballVelocity), 800.0f, 0.01f);
    EXPECT_NEAR(sim.ballVelocity.x / sim.ballVelocity.z, 0.75f, 1e-4f);
}
