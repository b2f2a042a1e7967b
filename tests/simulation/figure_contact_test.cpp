// The contact model: shots with restitution, soft hits high on the ball, pinning, spin
// from sliding contacts, team 1 mirrored, and the kick sound's threshold.
#include <cmath>

#include "SimulationFixture.h"

class FigureContact : public SimulationFixture {
protected:
    FigureContact() { liftAllRods(); }

    // Team t's midfield rod down at `angle`; the ball just in front of its middle figure.
    Rod& midfield(int t, float angle = 0.0f) {
        Rod& rod = sim.teams[t].rods[2];
        rod.angle = rod.previousAngle = angle;
        return rod;
    }
    float tableX(int t, float ownX) const { return t == 0 ? ownX : sim.length - ownX; }
};

TEST_F(FigureContact, RestingFigureTouchingRestingBall) {
    Rod& rod = midfield(0);
    sim.lastTouchTeam = 1;
    launch(rod.position + 3.0f, 33.2f, 0.0f, 0.0f);
    sim.step(0.001f);
    EXPECT_EQ(sim.lastTouchTeam, 0);
    EXPECT_EQ(sim.ballVelocity, Vector3{});
    EXPECT_EQ(sim.spinRate, 0.0f);
    EXPECT_TRUE(listener.changed);
    EXPECT_EQ(sounds.count("kick"), 0);
}

TEST_F(FigureContact, ShotAtTheBallsCentreHeightBothTeams) {
    for (int t = 0; t < 2; ++t) {
        Rod& rod = midfield(t);
        rod.angularVelocity = 20.0f;
        launch(tableX(t, rod.position + 3.0f), 33.2f, 0.0f, 0.0f);
        sim.step(0.001f);
        const float expected = t == 0 ? 140.0f : -140.0f;
        EXPECT_NEAR(sim.ballVelocity.x, expected, 0.1f) << t;
        EXPECT_NEAR(sim.ballVelocity.z, 0.0f, 1e-4f) << t;
        EXPECT_NEAR(sim.spinRate, 0.0f, 1e-4f) << t;
        EXPECT_EQ(sim.lastTouchTeam, t);
        ASSERT_EQ(sounds.count("kick"), 1) << t;
        EXPECT_NEAR(sounds.last("kick")->volume, 1.0f, 1e-6f);  // 100 * 0.04 clamped
        rod.angularVelocity = 0.0f;
        rod.angle = rod.previousAngle = 1.5707964f;
    }
}

TEST_F(FigureContact, HighHitIsSofter) {
    // Foot centre 5.0 from the axis at angle 0.5: x = 51 + 2.397, y = 6.8 - 4.388 = 2.412.
    Rod& rod = midfield(0, 0.5f);
    rod.angularVelocity = 20.0f;
    const float footX = rod.position + 5.0f * std::sin(0.5f);
    const float footY = 6.8f - 5.0f * std::cos(0.5f);
    launch(footX + 2.5f, 33.2f, 0.0f, 0.0f);
    sim.step(0.001f);
    const float dy = 1.8f - footY;
    const float hfrac = 2.5f / std::sqrt(2.5f * 2.5f + dy * dy);
    const float q = 2.0f * (hfrac - 0.5f);
    const float fvx = 20.0f * 5.0f * std::cos(0.5f);
    EXPECT_NEAR(sim.ballVelocity.x, fvx * (1.0f + 0.4f * q), 0.1f);
    EXPECT_LT(sim.ballVelocity.x, fvx * 1.4f);
    EXPECT_NEAR(sounds.last("kick")->volume, std::fmin(hfrac * fvx * 0.04f, 1.0f), 1e-4f);
}

TEST_F(FigureContact, FootOnTopPinsTheBallAndUndoesTheTurn) {
    // At angle pi/3 the foot centre is 2.5 above the ball centre (y 4.3); 0.4 behind it the
    // contact normal is far steeper than 60 degrees.
    const float angle = 1.0471976f;
    Rod& rod = midfield(0, angle);
    const float footX = rod.position + 5.0f * std::sin(angle);
    rod.previousAngle = 0.85f;
    rod.angularVelocity = 15.0f;
    rod.shiftVelocity = 30.0f;
    launch(footX + 0.4f, 33.2f, 10.0f, 0.0f, 4.0f);
    sim.step(0.001f);
    EXPECT_FLOAT_EQ(rod.angle, 0.85f);
    EXPECT_EQ(rod.angularVelocity, 0.0f);
    EXPECT_EQ(sim.spinRate, 0.0f);
    EXPECT_FLOAT_EQ(sim.ballVelocity.x, 0.0f);
    EXPECT_NEAR(sim.ballVelocity.z, 30.0f, 0.02f);  // only the rod's sideways motion
    EXPECT_EQ(rod.previousAngle, 0.85f);  // the step ends with the restored angle
    // While the overlap lasts the rod cannot turn through the ball.
    rod.angle = 1.1f;
    rod.angularVelocity = 15.0f;
    sim.step(0.001f);
    EXPECT_FLOAT_EQ(rod.angle, 0.85f);
}

TEST_F(FigureContact, BallMovingAwayIsLeftAlone) {
    Rod& rod = midfield(0);
    launch(rod.position + 3.0f, 33.2f, 30.0f, 0.0f);
    sim.step(0.001f);
    EXPECT_TRUE(sim.ballVelocity.x > 29.0f);
    EXPECT_EQ(notifications(), 0u);
}

TEST_F(FigureContact, SidewaysPushTurnsSlidingIntoSpin) {
    Rod& rod = midfield(0);
    rod.shiftVelocity = 30.0f;
    // Beside the middle foot at its height, the ball rolling along the table past it.
    launch(rod.position, 33.2f + 3.0f, 20.0f, 0.0f);
    sim.step(0.001f);
    EXPECT_GT(sim.ballVelocity.z, 30.0f);  // pushed along z with restitution
    EXPECT_NE(sim.spinRate, 0.0f);         // the x velocity relative to the foot spins it
    // Target spin |20| / 1.8, sign from n x rv; 70 % of it is taken.
    EXPECT_NEAR(std::fabs(sim.spinRate), 0.7f * 20.0f / 1.8f, 0.05f);
    EXPECT_LT(sim.ballVelocity.x, 20.0f);  // the spin exchange bleeds the sliding speed
}

TEST_F(FigureContact, KickSoundThreshold) {
    Rod& rod = midfield(0);
    rod.angularVelocity = 0.4f;  // fv.x = 2: vn = -2, volume 0.08
    launch(rod.position + 3.0f, 33.2f, 0.0f, 0.0f);
    sim.step(0.001f);
    EXPECT_EQ(notifications(), 1u);
    EXPECT_EQ(sounds.count("kick"), 0);

    rod.angle = rod.previousAngle = 0.0f;
    rod.angularVelocity = 0.6f;  // vn = -3, volume 0.12
    launch(rod.position + 3.0f, 33.2f, 0.0f, 0.0f);
    sim.step(0.001f);
    ASSERT_EQ(sounds.count("kick"), 1);
    EXPECT_NEAR(sounds.last("kick")->volume, 0.12f, 1e-5f);
}
