// From the goal line to the next kick-off: both volume rules, the side that kicks off,
// the end of a match and free practice.
#include "SimulationFixture.h"

class GoalSequence : public SimulationFixture {
protected:
    GoalSequence() { liftAllRods(); }
    // Runs until the state changes from `from` (at most `limit` steps); returns the steps.
    int runWhile(SimulationState from, int limit) {
        int steps = 0;
        while (sim.state == from && steps < limit) {
            sim.step(0.001f);
            ++steps;
        }
        return steps;
    }
};

TEST_F(GoalSequence, FastBallIsCountedTwentyBeyondTheLine) {
    launch(-0.5f, 30.0f, -50.0f, 0.0f);
    sounds.startRoll();
    runWhile(InPlay, 1000);
    ASSERT_EQ(sim.state, InGoal);
    EXPECT_LT(sim.ballPosition.x, -3.8f);
    EXPECT_EQ(sounds.count("roll-stop"), 1);
    EXPECT_FALSE(sounds.rolling);
    int inGoalSteps = runWhile(InGoal, 1000);
    EXPECT_EQ(sim.state, AfterGoal);
    EXPECT_NEAR(inGoalSteps, 400, 10);
    ASSERT_EQ(sounds.count("score1"), 1);
    // Friction before the line took about 1 unit/s off the 50.
    EXPECT_NEAR(sounds.last("score1")->volume, 1.0f, 0.03f);
    EXPECT_EQ(sounds.last("score1")->position, (Vector3{-60.5f, 0.0f, 0.0f}));
    EXPECT_FLOAT_EQ(sounds.last("score2")->volume, 0.7f);
    EXPECT_EQ(sim.score[0], 0);
    EXPECT_EQ(sim.score[1], 1);
    EXPECT_TRUE(sim.goalPending);
    EXPECT_FALSE(sim.goalByTeam0);
    EXPECT_EQ(sim.kickOffTeam, 0);
}

TEST_F(GoalSequence, SlowBallIsCountedAfterHalfASecond) {
    launch(sim.length + 4.0f, 30.0f, 20.0f, 0.0f);
    sim.step(0.001f);
    ASSERT_EQ(sim.state, InGoal);
    int inGoalSteps = runWhile(InGoal, 1000);
    EXPECT_NEAR(inGoalSteps, 500, 2);
    EXPECT_FLOAT_EQ(sounds.last("score1")->volume, 0.25f);
    EXPECT_EQ(sounds.last("score1")->position, (Vector3{60.5f, 0.0f, 0.0f}));
    EXPECT_EQ(sim.score[0], 1);
    EXPECT_TRUE(sim.goalByTeam0);
    EXPECT_EQ(sim.kickOffTeam, 1);
}

TEST_F(GoalSequence, InGoalTheBallStaysInsideTheBoxAcross) {
    // Sinking into either goal with a strong sideways run, the ball stops at the goal box's
    // side wall (the goal mouth 21.2 to 45.2, less the ball's radius), not at the table's.
    launch(-4.0f, 30.0f, -20.0f, -400.0f);
    run(300);
    EXPECT_EQ(sim.state, InGoal);
    EXPECT_FLOAT_EQ(sim.ballPosition.z, 23.0f);
    launch(sim.length + 4.0f, 40.0f, 20.0f, 400.0f);
    run(300);
    EXPECT_EQ(sim.state, InGoal);
    EXPECT_FLOAT_EQ(sim.ballPosition.z, 43.4f);
}

TEST_F(GoalSequence, SideScoredUponKicksOffAfterTheDelay) {
    launch(sim.length + 4.0f, 30.0f, 50.0f, 0.0f);
    runWhile(InPlay, 10);
    runWhile(InGoal, 1000);
    ASSERT_EQ(sim.state, AfterGoal);
    const Vector3 frozen = sim.ballPosition;
    int afterSteps = runWhile(AfterGoal, 5000);
    EXPECT_NEAR(afterSteps, 2700, 2);
    EXPECT_EQ(sim.state, InPlay);
    EXPECT_NEAR(sim.ballPosition.x, 62.9f, 1e-3f);
    EXPECT_FLOAT_EQ(sim.ballPosition.z, 33.2f);
    EXPECT_EQ(sim.lastTouchTeam, 1);
    EXPECT_TRUE(sim.ballAtRest);
    EXPECT_TRUE(sounds.rolling);
    EXPECT_NE(frozen, sim.ballPosition);
}

TEST_F(GoalSequence, FifthGoalEndsTheMatchWithoutKickOff) {
    sim.score[1] = 4;
    launch(-4.0f, 30.0f, -50.0f, 0.0f);
    runWhile(InPlay, 10);
    runWhile(InGoal, 1000);
    runWhile(AfterGoal, 5000);
    EXPECT_EQ(sim.state, MatchOver);
    EXPECT_EQ(sim.score[1], 5);
    const Vector3 where = sim.ballPosition;
    run(3000);
    EXPECT_EQ(sim.state, MatchOver);
    EXPECT_EQ(sim.ballPosition, where);
    EXPECT_EQ(sounds.count("roll-start"), 0);
}

TEST_F(GoalSequence, FreePracticeGoalsCountNothing) {
    sim.practice = true;
    int scoreSounds = 0;
    for (int goal = 0; goal < 2; ++goal) {
        launch(sim.length + 4.0f, 30.0f, 50.0f, 0.0f);
        sounds.sounds.clear();
        runWhile(InPlay, 10);
        runWhile(InGoal, 1000);
        EXPECT_EQ(sim.state, AfterGoal);
        scoreSounds += sounds.count("score1") + sounds.count("score2");
        runWhile(AfterGoal, 5000);
        EXPECT_EQ(sim.state, InPlay);
        // Team 0's midfield kicks off again.
        EXPECT_NEAR(sim.ballPosition.x, 54.5f, 1e-4f);
    }
    EXPECT_EQ(scoreSounds, 4);
    EXPECT_EQ(sim.score[0], 0);
    EXPECT_EQ(sim.score[1], 0);
    EXPECT_FALSE(sim.goalPending);
    EXPECT_EQ(sim.kickOffTeam, 0);
}
