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
    // At angle pi/3 the foot centre is 2.5 above the ball centre (y 4.3); 0.4 in front of
    // it the contact normal is far steeper than 60 degrees. The rod turns back, bringing the
    // foot down onto the ball.
    const float angle = 1.0471976f;
    Rod& rod = midfield(0, angle);
    const float footX = rod.position + 5.0f * std::sin(angle);
    rod.previousAngle = 1.25f;
    rod.angularVelocity = -15.0f;
    rod.shiftVelocity = 30.0f;
    rod.shift = rod.previousShift + 0.03f;  // the rod really slid 0.03 in this step
    launch(footX - 0.4f, 33.2f + 0.03f, -10.0f, 0.0f, 4.0f);
    sim.step(0.001f);
    EXPECT_FLOAT_EQ(rod.angle, 1.25f);
    EXPECT_EQ(rod.angularVelocity, 0.0f);
    EXPECT_EQ(sim.spinRate, 0.0f);
    EXPECT_FLOAT_EQ(sim.ballVelocity.x, 0.0f);
    EXPECT_NEAR(sim.ballVelocity.z, 30.0f, 0.1f);  // only the rod's sideways motion
    EXPECT_EQ(rod.previousAngle, 1.25f);  // the step ends with the restored angle
    // While the overlap lasts the rod cannot turn down through the ball.
    rod.angle = 1.2f;
    rod.angularVelocity = -15.0f;
    sim.step(0.001f);
    EXPECT_FLOAT_EQ(rod.angle, 1.25f);
}

TEST_F(FigureContact, FootTurningUpOffTheBallLetsItGo) {
    // Team 1's attack with its feet turned back over a still ball behind it, swinging on
    // backwards over the top: the foot closes in along the table but rises faster, so the
    // turn goes on and the ball is left where it lies (it used to stay pinned for good).
    Rod& rod = sim.teams[1].rods[3];
    rod.angle = rod.previousAngle = -1.16f;
    sim.placeBall(41.74f, 18.52f);
    for (int i = 0; i < 200; ++i) {
        rod.angularVelocity = -2.2f;
        rod.angle -= 0.0022f;
        sim.step(0.001f);
    }
    EXPECT_NEAR(rod.angle, -1.16f - 0.44f, 1e-3f);
    EXPECT_NEAR(sim.ballPosition.x, 41.74f, 0.01f);
    EXPECT_LT(length(sim.ballVelocity), 0.1f);
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

// A trapped ball: team t's midfield tilted to the trap angle 1.2 with its middle foot on
// top of a ball placed just in front of the foot, as the player's right button holds it.
class TrappedBall : public FigureContact {
protected:
    static constexpr float kTrapAngle = 1.2f;
    Rod& trap(int t) {
        Rod& rod = midfield(t, kTrapAngle);
        const float footX = rod.position + 5.0f * std::sin(kTrapAngle);
        sim.placeBall(tableX(t, footX + 0.8f), 33.2f);
        listener.changed = false;
        notificationsBefore = sim.notificationCount;
        return rod;
    }
    // The controllers' order: the rod slides by `perStep` first, then the table steps.
    void slide(Rod& rod, float perStep, int steps) {
        for (int i = 0; i < steps; ++i) {
            rod.shift += perStep;
            rod.shiftVelocity = perStep / 0.001f;
            sim.step(0.001f);
        }
        rod.shiftVelocity = 0.0f;
    }
};

TEST_F(TrappedBall, IsDraggedBothWaysWithTheRodsRealShift) {
    for (int t = 0; t < 2; ++t) {
        Rod& rod = trap(t);
        const float s = t == 0 ? 1.0f : -1.0f;  // the rod's own z runs the other way for team 1
        const float startZ = sim.ballPosition.z;
        slide(rod, 0.02f, 200);  // 4 units in 0.2 s
        EXPECT_NEAR(sim.ballPosition.z - startZ, s * 4.0f, 0.02f) << t;
        slide(rod, -0.02f, 300);  // and 6 back
        EXPECT_NEAR(sim.ballPosition.z - startZ, -s * 2.0f, 0.02f) << t;
        // It is still held: along the table it has not moved, and the rod is still tilted.
        EXPECT_NEAR(sim.ballPosition.x, tableX(t, rod.position + 5.0f * std::sin(kTrapAngle) + 0.8f), 0.01f);
        EXPECT_FLOAT_EQ(rod.angle, kTrapAngle);
        EXPECT_EQ(sim.lastTouchTeam, t);
        rod.angle = rod.previousAngle = 1.5707964f;
        rod.shift = rod.previousShift = 0.0f;
    }
}

TEST_F(TrappedBall, FollowsTheRealShiftNotTheSmoothedVelocity) {
    // The player's rod reports a smoothed velocity that lags the mouse; the ball goes where
    // the foot goes.
    Rod& rod = trap(0);
    const float startZ = sim.ballPosition.z;
    for (int i = 0; i < 100; ++i) {
        rod.shift += 0.03f;
        rod.shiftVelocity = 5.0f;
        sim.step(0.001f);
    }
    EXPECT_NEAR(sim.ballPosition.z - startZ, 3.0f, 0.02f);
}

TEST_F(TrappedBall, FastDragKeepsItAndLetGoItLeavesAtTheFootsSpeed) {
    for (int t = 0; t < 2; ++t) {
        Rod& rod = trap(t);
        const float s = t == 0 ? 1.0f : -1.0f;
        const float startZ = sim.ballPosition.z;
        // A flick of the hand: 1.2 units a step (1,200 units/s), the smoothed speed the
        // table is told capped at 400.
        for (int i = 0; i < 8; ++i) {
            rod.shift += 1.2f;
            rod.shiftVelocity = 400.0f;
            sim.step(0.001f);
        }
        EXPECT_NEAR(sim.ballPosition.z - startZ, s * 9.6f, 0.02f) << t;
        // Slowing down, then letting go: the ball rolls on at the foot's speed.
        rod.shift += 0.05f;
        rod.shiftVelocity = 14.2f;
        sim.step(0.001f);
        rod.angle = rod.previousAngle = 0.0f;
        rod.shiftVelocity = 0.0f;
        sim.step(0.001f);
        EXPECT_NEAR(sim.ballVelocity.z, s * 14.2f, 0.1f) << t;
        rod.angle = rod.previousAngle = 1.5707964f;
        rod.shift = rod.previousShift = 0.0f;
    }
}

TEST_F(TrappedBall, IsReleasedWhenTheTiltEnds) {
    Rod& rod = trap(0);
    slide(rod, 0.02f, 50);
    const float heldAt = sim.ballPosition.z;
    // Figures upright again: the ball rolls on the way it was carried, the rod goes back
    // without it.
    rod.angle = rod.previousAngle = 0.0f;
    slide(rod, -0.02f, 100);
    EXPECT_GT(sim.ballPosition.z, heldAt);
    EXPECT_GT(sim.ballVelocity.z, 0.0f);
}

TEST_F(TrappedBall, SlipsOutRatherThanThroughASideWall) {
    Rod& rod = trap(0);
    // The outermost figure over a ball at the side wall, the rod pushed on towards it.
    rod.shift = rod.previousShift = 66.4f - 0.01f - 33.2f - 22.0f;
    sim.placeBall(sim.ballPosition.x, 66.4f - 0.01f);
    slide(rod, 0.02f, 20);
    EXPECT_LE(sim.ballPosition.z, sim.width);
}

TEST_F(TrappedBall, HeldStillItChangesNothingAndTellsNobody) {
    Rod& rod = trap(0);
    sim.lastTouchTeam = 1;
    for (int i = 0; i < 400; ++i) sim.step(0.001f);
    EXPECT_TRUE(sim.ballAtRest);
    EXPECT_EQ(sim.lastTouchTeam, 1);
    EXPECT_EQ(notifications(), 0u);
    // Turning down through the ball is still refused.
    rod.angle = 1.19f;
    sim.step(0.001f);
    EXPECT_FLOAT_EQ(rod.angle, kTrapAngle);
}

TEST_F(TrappedBall, ARodTurningAwayLetsGo) {
    // Turning back (the foot moving away along the table) is never held up by the ball.
    Rod& rod = trap(0);
    for (int i = 0; i < 100; ++i) {
        rod.angle -= 0.005f;
        rod.angularVelocity = -5.0f;
        sim.step(0.001f);
    }
    EXPECT_NEAR(rod.angle, kTrapAngle - 0.5f, 1e-4f);
}

TEST_F(FigureContact, BallAtRestLeaningOnAStillFootIsLeftInPeace) {
    // The ball placed against the upright middle foot of team 1's midfield, everything still.
    Rod& rod = midfield(1);
    sim.placeBall(tableX(1, rod.position + 3.0f), 33.2f);
    sim.lastTouchTeam = 0;
    listener.changed = false;
    notificationsBefore = sim.notificationCount;
    run(400);
    EXPECT_EQ(notifications(), 0u);
    EXPECT_FALSE(listener.changed);
    EXPECT_TRUE(sim.ballAtRest);
    EXPECT_EQ(sim.lastTouchTeam, 0);
    // The foot starting to move is a contact again.
    rod.angularVelocity = 20.0f;
    sim.step(0.001f);
    EXPECT_EQ(sim.lastTouchTeam, 1);
    EXPECT_LT(sim.ballVelocity.x, -100.0f);
}
