// The layout of rods and figures and the reach regions that decide dead balls.
#include <algorithm>
#include <vector>

#include "SimulationFixture.h"

using TableLayout = SimulationFixture;

TEST_F(TableLayout, RodsOfBothTeamsInterleaveAlongTheTable) {
    std::vector<std::pair<float, int>> rods;  // table x, team
    for (int t = 0; t < 2; ++t)
        for (const Rod& rod : sim.teams[t].rods)
            rods.push_back({t == 0 ? rod.position : sim.length - rod.position, t});
    std::sort(rods.begin(), rods.end());
    const float expectedX[] = {6.0f, 21.0f, 36.4f, 51.0f, 66.4f, 81.0f, 96.4f, 111.4f};
    const int expectedTeam[] = {0, 0, 1, 0, 1, 0, 1, 1};
    for (int i = 0; i < 8; ++i) {
        EXPECT_NEAR(rods[i].first, expectedX[i], 1e-4f) << i;
        EXPECT_EQ(rods[i].second, expectedTeam[i]) << i;
        EXPECT_NE(rods[i].first, 58.7f);
    }
    int figures = 0;
    for (const Rod& rod : sim.teams[0].rods) {
        EXPECT_EQ(rod.firstFigure, figures);
        figures += rod.figureCount;
    }
    EXPECT_EQ(figures, 11);
    EXPECT_NEAR(sim.rimNormal.x, 0.5547f, 1e-4f);
    EXPECT_NEAR(sim.rimNormal.z, 0.8321f, 1e-4f);
    EXPECT_NEAR(sim.rimDistance, 14.977f, 1e-3f);
}

TEST_F(TableLayout, MidfieldFiguresBlockBallsAtTheirTableZ) {
    // A ball rolling slowly against each midfield foot of team 0 is stopped by it; between
    // the figures it passes.
    liftAllRods();
    Rod& mid = sim.teams[0].rods[2];
    mid.angle = mid.previousAngle = 0.0f;
    const float figureZ[] = {11.2f, 22.2f, 33.2f, 44.2f, 55.2f};
    for (float z : figureZ) {
        launch(56.0f, z, -20.0f, 0.0f);
        run(200);
        EXPECT_GT(sim.ballPosition.x, mid.position) << z;
        EXPECT_GE(sim.ballVelocity.x, 0.0f) << z;
    }
    launch(56.0f, 16.7f, -20.0f, 0.0f);
    run(600);
    EXPECT_LT(sim.ballPosition.x, mid.position);
}

TEST_F(TableLayout, TeamOneFiguresAreMirrored) {
    // Team 1's defence figure with offset +12 and shift +3 stands at table z 18.2, at
    // table x 117.4 - 21 = 96.4: a ball rolling there from the middle is stopped.
    liftAllRods();
    Rod& defence = sim.teams[1].rods[1];
    defence.angle = defence.previousAngle = 0.0f;
    defence.shift = 3.0f;
    launch(90.0f, 18.2f, 20.0f, 0.0f);
    run(300);
    EXPECT_LT(sim.ballPosition.x, 96.4f);
    EXPECT_EQ(sim.lastTouchTeam, 1);
    launch(90.0f, 22.0f, 20.0f, 0.0f);  // 3.8 beside the foot: it rolls past
    run(600);
    EXPECT_GT(sim.ballPosition.x, 96.4f);
}

TEST_F(TableLayout, ReachRegions) {
    sim.placeBall(6.0f, 10.0f);
    EXPECT_EQ(sim.reachRegion(), -1);
    EXPECT_EQ(sim.restRegion, -1);
    sim.placeBall(6.0f, 12.5f);
    EXPECT_EQ(sim.reachRegion(), 0);
    sim.placeBall(111.4f, 33.2f);  // team 1's goalkeeper
    EXPECT_EQ(sim.reachRegion(), 1);
    sim.placeBall(36.4f, 50.0f);   // team 1's attack only
    EXPECT_EQ(sim.reachRegion(), 1);
    sim.placeBall(24.0f, 33.2f);   // team 0's defence and team 1's attack: team 0 first
    EXPECT_EQ(sim.reachRegion(), 0);
    sim.placeBall(1.0f, 1.0f);     // corner pocket
    EXPECT_EQ(sim.reachRegion(), -1);
    // Strict bounds on z: exactly 2.2 from the side wall is out of reach.
    EXPECT_FALSE(sim.inReach(0, {21.0f, 1.8f, 2.2f}));
    EXPECT_TRUE(sim.inReach(0, {21.0f, 1.8f, 2.3f}));
    EXPECT_FALSE(sim.inReach(0, {27.4f, 1.8f, 30.0f}));
    EXPECT_TRUE(sim.inReach(0, {27.2f, 1.8f, 30.0f}));
}
