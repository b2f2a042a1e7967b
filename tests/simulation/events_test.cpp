// Listener lists, dead-ball reporting, kick-off, the reach-region timer and the rolling and
// rod-wall sounds.
#include <cstdio>
#include <fstream>
#include <string>

#include "SimulationFixture.h"
#include "core/ErrorLog.h"

namespace {
struct CountingDeadBallListener : DeadBallListener {
    void onDeadBall() override { ++calls; }
    int calls = 0;
};
} // namespace

using SimulationEvents = SimulationFixture;

TEST_F(SimulationEvents, ListenerListsKeepOrderAndRemoveFirstMatch) {
    SimulationListener a, b;
    sim.addSimulationListener(&a);
    sim.addSimulationListener(&b);
    sim.addSimulationListener(&a);
    sim.removeSimulationListener(&a);
    ASSERT_EQ(sim.simulationListeners.size(), 3u);
    EXPECT_EQ(sim.simulationListeners[0], &listener);
    EXPECT_EQ(sim.simulationListeners[1], &b);
    EXPECT_EQ(sim.simulationListeners[2], &a);
    SimulationListener stranger;
    sim.removeSimulationListener(&stranger);
    EXPECT_EQ(sim.simulationListeners.size(), 3u);

    sim.notifyListeners();
    EXPECT_TRUE(listener.changed && a.changed && b.changed);
    EXPECT_FALSE(stranger.changed);
}

TEST_F(SimulationEvents, KickOffPlacesAtTheMidfieldAndStartsTheRollOnce) {
    sim.kickOffTeam = 1;
    sim.lastTouchTeam = 0;
    sim.kickOff();
    EXPECT_NEAR(sim.ballPosition.x, 62.9f, 1e-4f);
    EXPECT_FLOAT_EQ(sim.ballPosition.z, 33.2f);
    EXPECT_EQ(sim.lastTouchTeam, 1);
    EXPECT_TRUE(sim.ballAtRest);
    EXPECT_EQ(sim.restRegion, 1);  // beyond team 0's midfield reach, before team 1's rod
    EXPECT_TRUE(listener.changed);
    EXPECT_TRUE(sounds.rolling);

    sim.step(0.001f);
    const RecordedSound* roll = sounds.last("roll");
    ASSERT_NE(roll, nullptr);
    EXPECT_FLOAT_EQ(roll->volume, 0.07f);  // a resting ball still rolls quietly
    EXPECT_NEAR(roll->position.x, 62.9f - 58.7f, 1e-4f);
    EXPECT_NEAR(roll->position.z, 0.0f, 1e-5f);
}

TEST_F(SimulationEvents, DeadBallGoesToTheGoalkeeperOfTheRightSide) {
    CountingDeadBallListener screen;
    sim.addDeadBallListener(&screen);

    // Nobody touched the ball after team 1's kick-off: team 1's goalkeeper restarts.
    sim.kickOffTeam = 1;
    sim.kickOff();
    sim.placeBall(1.0f, 1.0f);  // stopped in a corner pocket
    EXPECT_EQ(sim.restRegion, -1);
    sim.reportDeadBall(-1);
    EXPECT_EQ(screen.calls, 1);
    EXPECT_NEAR(sim.ballPosition.x, sim.length - 6.0f - 3.5f, 1e-4f);
    EXPECT_EQ(sim.state, InPlay);

    sim.reportDeadBall(0);
    EXPECT_EQ(screen.calls, 2);
    EXPECT_FLOAT_EQ(sim.ballPosition.x, 9.5f);
    EXPECT_TRUE(sim.ballAtRest);

    // A team index that names no side restarts at team 0 instead of reading past the teams,
    // and says so in an error file of the test's own (not the working folder's error.txt).
    const std::string errors = ::testing::TempDir() + "pitchbar_dead_ball_error.txt";
    std::remove(errors.c_str());
    setErrorLogPath(errors);
    sim.reportDeadBall(7);
    setErrorLogPath("error.txt");
    EXPECT_FLOAT_EQ(sim.ballPosition.x, 9.5f);
    std::ifstream in(errors);
    std::string line;
    EXPECT_TRUE(std::getline(in, line));
    EXPECT_NE(line.find("no team 7"), std::string::npos) << line;
    in.close();
    std::remove(errors.c_str());
}

TEST_F(SimulationEvents, CornerBallComesToRestOutOfReach) {
    for (Team& team : sim.teams)
        for (Rod& rod : team.rods) rod.angle = rod.previousAngle = 1.5707964f;
    launch(3.0f, 3.0f, -3.0f, -3.0f);
    run(4000);
    EXPECT_TRUE(sim.ballAtRest);
    EXPECT_EQ(sim.restRegion, -1);
}

TEST_F(SimulationEvents, RegionTimeCountsTowardTheLastSide) {
    liftAllRods();
    sim.placeBall(111.4f, 33.2f);  // team 1's goalkeeper
    run(100);
    EXPECT_EQ(sim.lastRegion, 1);
    EXPECT_NEAR(sim.regionTime, 0.099f, 1e-4f);  // the first step switched from 0 to 1
    // Out of everyone's reach the time keeps counting for team 1.
    sim.ballPosition = {116.0f, 1.8f, 2.0f};
    run(100);
    EXPECT_EQ(sim.lastRegion, 1);
    EXPECT_NEAR(sim.regionTime, 0.199f, 1e-4f);
    // Into team 0's reach: the timer restarts.
    sim.ballPosition = {6.0f, 1.8f, 33.2f};
    run(1);
    EXPECT_EQ(sim.lastRegion, 0);
    EXPECT_EQ(sim.regionTime, 0.0f);
}

TEST_F(SimulationEvents, RodWallSoundIsCentredAndThresholded) {
    sim.playRodWallSound(10.0f, 20.0f, 2.0f);  // 0.08: silent
    EXPECT_EQ(sounds.count("rodwall"), 0);
    sim.playRodWallSound(10.0f, 20.0f, -50.0f);
    ASSERT_EQ(sounds.count("rodwall"), 1);
    EXPECT_FLOAT_EQ(sounds.last("rodwall")->volume, 1.0f);
    EXPECT_EQ(sounds.last("rodwall")->position, (Vector3{10.0f - 58.7f, 0.0f, 20.0f - 33.2f}));
}

TEST_F(SimulationEvents, WithoutASoundPlayerNothingBreaks) {
    sim.tableSounds = nullptr;
    sim.kickOff();
    sim.teams[0].rods[2].angularVelocity = 20.0f;
    run(3000);
    sim.playRodWallSound(0.0f, 0.0f, 100.0f);
    EXPECT_EQ(sounds.sounds.size(), 0u);
}

TEST_F(SimulationEvents, EveryTableSoundIsPlacedRelativeToTheTableCentre) {
    // A kick near team 0's goal and a wall hit at the near side are heard left of centre
    // and in front, like the rolling sound of the same ball.
    sim.teams[0].rods[0].angularVelocity = 20.0f;
    sim.placeBall(9.0f, 33.2f);
    sim.step(0.001f);
    ASSERT_EQ(sounds.count("kick"), 1);
    EXPECT_NEAR(sounds.last("kick")->position.x, 9.0f - 58.7f, 0.01f);
    EXPECT_NEAR(sounds.last("kick")->position.z, 0.0f, 0.01f);
    EXPECT_FLOAT_EQ(sounds.last("kick")->position.y, 1.8f);

    sim.teams[0].rods[0].angularVelocity = 0.0f;
    for (Team& team : sim.teams)
        for (Rod& rod : team.rods) rod.angle = rod.previousAngle = 1.5707964f;
    sim.placeBall(30.0f, -0.1f);
    sim.ballVelocity = {0.0f, 0.0f, -40.0f};
    sim.ballAtRest = false;
    sim.step(0.001f);
    ASSERT_EQ(sounds.count("ballwall"), 1);
    EXPECT_NEAR(sounds.last("ballwall")->position.x, 30.0f - 58.7f, 0.01f);
    EXPECT_NEAR(sounds.last("ballwall")->position.z, -0.1f - 33.2f, 0.01f);
    EXPECT_FLOAT_EQ(sounds.last("ballwall")->position.y, 1.8f);
}
