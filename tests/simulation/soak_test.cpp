// Millions of steps with every rod swung and shifted at random: no field may become
// non-finite and the ball never leaves the table and its goal boxes.
#include <cmath>

#include "SimulationFixture.h"
#include "platform/math/GameRandom.h"

namespace {
float randomIn(float lo, float hi) {
    return lo + (hi - lo) * static_cast<float>(gameRandom()) / static_cast<float>(kGameRandomMax);
}

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
            // A new intention for every rod now and then, like a restless controller.
            if (i % 150 == 0) {
                for (Team& team : sim.teams)
                    for (Rod& rod : team.rods) {
                        rod.angularVelocity = randomIn(-60.0f, 60.0f);
                        rod.shiftVelocity = randomIn(-80.0f, 80.0f);
                    }
            }
            for (Team& team : sim.teams)
                for (Rod& rod : team.rods) {
                    rod.angle += rod.angularVelocity * dt;
                    if (rod.angle > 3.1415927f) rod.angle -= 6.2831853f;
                    if (rod.angle < -3.1415927f) rod.angle += 6.2831853f;
                    const float range = 33.2f - rod.endMargin;
                    rod.shift += rod.shiftVelocity * dt;
                    if (std::fabs(rod.shift) > range) {
                        rod.shift = std::copysign(range, rod.shift);
                        rod.shiftVelocity = -rod.shiftVelocity;
                    }
                }
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
