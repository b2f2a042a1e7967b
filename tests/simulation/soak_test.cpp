// Millions of steps with every rod swung and shifted at random: no field may become
// non-finite and the ball never leaves the table and its goal boxes.

#include "SimulationFixture.h"
#include "testkit/simulation/RestlessRods.h"

namespace {
bool finite(const Vector3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}
} // namespace

using SimulationSoak = SimulationFixture;

TEST_F(SimulationSoak, RandomRodsNeverBreakTheTable) {
    seedGameRandom(12345);
    sounds.recordRollUpdates = false;
    const float dt = 0.001f;
    int goals = 0;
    long kicks = 0;
    for (int rim = 0; rim < 2; ++rim) {
        sim.rimEnabled = rim == 1;
        sim.score[0] = sim.score[1] = 0;
        sim.kickOff();
        for (long i = 0; i < 1500000; ++i) {
            moveRodsRestlessly(sim, i, dt);
            sim.step(dt);
            if (sim.ballAtRest && sim.restRegion == -1) sim.reportDeadBall(-1);
            if (sim.goalPending) {
                sim.goalPending = false;
                ++goals;
            }
            if (sim.state == MatchOver) {
                sim.score[0] = sim.score[1] = 0;
                sim.kickOff();
            }

            const Vector3& p = sim.ballPosition;
            ASSERT_TRUE(finite(p) && finite(sim.ballVelocity) && std::isfinite(sim.spinRate) &&
                        std::isfinite(sim.spinAngle) && std::isfinite(sim.regionTime))
                << "step " << i;
            ASSERT_LE(length(sim.ballVelocity), 800.5f) << "step " << i;
            // In play the ball is on the field or in a goal mouth; once beyond the goal line
            // it flies on into the goal box until the goal is counted 20 further in.
            const bool inGoalMouth = p.z > 21.2f - 1.8f && p.z < 45.2f + 1.8f;
            const float xMargin = sim.state != InPlay ? 24.7f : inGoalMouth ? 4.7f : 1.0f;
            ASSERT_TRUE(p.x > -xMargin && p.x < sim.length + xMargin) << "step " << i << " x " << p.x;
            ASSERT_TRUE(p.z > -1.0f && p.z < sim.width + 1.0f) << "step " << i << " z " << p.z;
            ASSERT_GE(p.y, 1.8f);
            ASSERT_LE(p.y, 1.8f + 1.4f + 1e-4f);
        }
        kicks += sounds.count("kick");
        sounds.sounds.clear();
    }
    // The random play really played: shots and goals happened.
    EXPECT_GT(kicks, 1000);
    EXPECT_GT(goals, 10);
}
