// How long a match lasts: first to 3, 5, 7 or 10 goals, or a clock after which the side
// ahead wins and a draw goes to the next goal. The designed match (the opponents' ladder)
// stays first to five whatever was played before it.
#include "match/Match.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Told : MatchObserver {
    std::vector<GoalReport> goals;
    std::vector<int> fullTimes;
    void onGoal(const GoalReport& goal) override { goals.push_back(goal); }
    void beforeSubSteps(float) override {}
    void onFullTime(int winner) override { fullTimes.push_back(winner); }
};

struct MatchLengthTest : ::testing::Test {
    Match match;
    Told told;

    void start(MatchLength length) {
        MatchSetup setup;
        setup.length = length;
        match.start(setup);
        told = Told();
    }
    void run(float seconds) {
        for (float t = 0.0f; t < seconds; t += 0.01f) match.frame(0.01f, &told);
    }
    // Waits for the kick-off, then sends the ball from just before a goal line into that
    // goal and plays until the match has told the goal.
    void score(bool byTeam0) {
        Simulation& sim = match.simulation;
        for (int i = 0; i < 400 && sim.state != InPlay; ++i) match.frame(0.01f, &told);
        ASSERT_EQ(InPlay, sim.state);
        sim.placeBall(byTeam0 ? sim.length - 0.5f : 0.5f, sim.width * 0.5f);
        sim.ballAtRest = false;  // on its way, not lying still
        sim.ballVelocity = Vector3(byTeam0 ? 150.0f : -150.0f, 0.0f, 0.0f);
        const std::size_t before = told.goals.size();
        for (int i = 0; i < 200 && told.goals.size() == before; ++i) match.frame(0.01f, &told);
        ASSERT_EQ(before + 1, told.goals.size());
        ASSERT_EQ(byTeam0, told.goals.back().byTeam0);
    }
    void score(int team0Goals, int team1Goals) {
        for (int i = 0; i < team0Goals; ++i) score(true);
        for (int i = 0; i < team1Goals; ++i) score(false);
    }
    int decisiveGoals() const {
        int n = 0;
        for (const GoalReport& g : told.goals) n += g.decisive ? 1 : 0;
        return n;
    }
};

TEST_F(MatchLengthTest, AMatchOfGoalsEndsAtItsOwnCountAndTheLadderStaysFirstToFive)
{
    for (int goals : {3, 10, 5}) {
        SCOPED_TRACE(goals);
        // Ten goals first, then the designed match after it: nothing of the longer match
        // may stay behind.
        start(goals == 5 ? MatchLength() : MatchLength{goals, 0});
        score(goals - 1, goals - 1);
        EXPECT_FALSE(match.decided());
        EXPECT_EQ(0, decisiveGoals());
        run(3.0f);
        EXPECT_EQ(InPlay, match.simulation.state);  // kicked off again, 4-4 of ten included
        score(false);
        EXPECT_EQ(1, match.winner());
        EXPECT_TRUE(told.goals.back().decisive);
        run(3.0f);
        EXPECT_EQ(MatchOver, match.simulation.state);
        EXPECT_TRUE(told.fullTimes.empty());
        EXPECT_EQ(0.0, match.secondsLeft());
    }
}

TEST_F(MatchLengthTest, ATimedMatchHasNoGoalCountAndItsClockEndsItWithTheLeader)
{
    start(MatchLength{kWinningScore, 3});
    EXPECT_DOUBLE_EQ(180.0, match.secondsLeft());
    score(5, 0);
    run(3.0f);
    EXPECT_FALSE(match.decided());
    EXPECT_EQ(InPlay, match.simulation.state);
    EXPECT_NEAR(180.0 - match.playedSeconds, match.secondsLeft(), 1e-9);

    // The last half second: the ball stays in play until the clock runs out.
    match.playedSeconds = 179.5;
    run(0.4f);
    EXPECT_FALSE(match.fullTime());
    run(0.2f);
    EXPECT_TRUE(match.fullTime());
    EXPECT_EQ(0, match.winner());
    EXPECT_EQ(std::vector<int>{0}, told.fullTimes);
    EXPECT_EQ(MatchOver, match.simulation.state);
    EXPECT_EQ(0.0, match.secondsLeft());
    // Nothing counts any more.
    const Vector3 ball = match.simulation.ballPosition;
    run(5.0f);
    EXPECT_EQ(5, match.simulation.score[0]);
    EXPECT_EQ(ball.x, match.simulation.ballPosition.x);
    EXPECT_EQ(1u, told.fullTimes.size());
}

TEST_F(MatchLengthTest, ADrawAtFullTimeIsDecidedByTheNextGoal)
{
    start(MatchLength{kWinningScore, 5});
    score(1, 1);
    match.playedSeconds = 299.9;
    run(0.3f);
    EXPECT_TRUE(match.fullTime());
    EXPECT_EQ(std::vector<int>{-1}, told.fullTimes);
    EXPECT_FALSE(match.decided());
    run(3.0f);
    EXPECT_EQ(InPlay, match.simulation.state);  // play goes on

    score(false);
    EXPECT_TRUE(told.goals.back().decisive);
    EXPECT_EQ(1, match.winner());
    run(3.0f);
    EXPECT_EQ(MatchOver, match.simulation.state);
    EXPECT_EQ(1u, told.fullTimes.size());
}

TEST_F(MatchLengthTest, AGoalDroppingInWhenTheClockRunsOutCountsAndDecides)
{
    start(MatchLength{kWinningScore, 3});
    score(0, 1);
    run(3.0f);
    // 0-1, the clock runs out while the equaliser drops into the goal.
    Simulation& sim = match.simulation;
    sim.placeBall(sim.length - 0.5f, sim.width * 0.5f);
    sim.ballAtRest = false;  // on its way, not lying still
    sim.ballVelocity = Vector3(150.0f, 0.0f, 0.0f);
    run(0.05f);
    ASSERT_EQ(InGoal, sim.state);
    match.playedSeconds = 179.99;
    run(0.02f);
    EXPECT_EQ(InGoal, sim.state);
    EXPECT_FALSE(match.fullTime());
    run(1.0f);
    // 1-1: the goal is told, and then the draw that the next goal decides.
    ASSERT_EQ(2u, told.goals.size());
    EXPECT_FALSE(told.goals.back().decisive);
    EXPECT_EQ(std::vector<int>{-1}, told.fullTimes);

    // The same with the leader scoring: the goal itself tells the winner.
    start(MatchLength{kWinningScore, 3});
    score(1, 0);
    run(3.0f);
    sim.placeBall(sim.length - 0.5f, sim.width * 0.5f);
    sim.ballAtRest = false;  // on its way, not lying still
    sim.ballVelocity = Vector3(150.0f, 0.0f, 0.0f);
    run(0.05f);
    match.playedSeconds = 179.99;
    run(1.0f);
    ASSERT_EQ(2u, told.goals.size());
    EXPECT_TRUE(told.goals.back().decisive);
    EXPECT_EQ(0, match.winner());
    EXPECT_TRUE(told.fullTimes.empty());
    run(3.0f);
    EXPECT_EQ(MatchOver, sim.state);  // no kick-off after it
}

}  // namespace
