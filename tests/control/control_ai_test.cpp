// The computer opponent's choices on set-up table situations. The opponent plays team 1;
// positions below are in its own frame unless said otherwise.
#include "ControlTestSupport.h"

#include "control/AState.h"
#include "control/FState.h"
#include "control/FoosballAI.h"
#include "control/Opponent.h"
#include "control/OpponentDifficulty.h"
#include "control/SState.h"
#include "core/GameRandom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

constexpr int kBob = 0;
constexpr int kRobert = 1;
constexpr int kDavid = 2;
constexpr int kLisa = 5;
constexpr int kJohn = 7;

class CountingDeadBalls : public DeadBallListener {
public:
    int calls = 0;
    void onDeadBall() override { ++calls; }
};

class OpponentTest : public ::testing::Test {
protected:
    Simulation sim;
    std::unique_ptr<FoosballAI> ai;

    void play(int opponent)
    {
        ai = std::make_unique<FoosballAI>(opponentEntry(opponent).parameters);
        ai->simulation = &sim;
        ai->rods = sim.teams[1].rods;
        ai->initStates();
    }

    // Ball at own-frame (x, z) with own-frame velocity.
    void ballOwn(float x, float z, float vx = 0.0f, float vz = 0.0f)
    {
        placeBallForTest(sim, sim.length - x, sim.width - z, -vx, -vz);
    }

    int type(int rod) const { return ai->states[rod]->typeId(); }
    SState* shot(int rod) const { return static_cast<SState*>(ai->states[rod]); }
};

TEST_F(OpponentTest, OpponentTableHoldsEightRisingOpponents)
{
    auto opponents = createOpponents();
    ASSERT_EQ(opponents.size(), 8u);
    const char* names[] = {"BOB", "ROBERT", "DAVID", "NATALIE", "OSCAR", "LISA", "SAM", "JOHN THE KING"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(opponents[i]->name, names[i]);
        EXPECT_EQ(findOpponent(names[i]), i);
        ASSERT_NE(opponents[i]->ai, nullptr);
        EXPECT_NE(opponents[i]->description.find('\n'), std::string::npos);
    }
    EXPECT_EQ(opponents[0]->description.rfind("Bob is certainly not the best player in the city, "
                                              "but he is very enthusiastic about foosball.\n", 0), 0u);
    EXPECT_NE(opponents[5]->description.find("\nBoth her defense and attack are on a very high level!"),
              std::string::npos);
    EXPECT_EQ(findOpponent("NOBODY"), -1);
    EXPECT_FLOAT_EQ(opponents[7]->ai->strikeSpeed, 28.0f);
    EXPECT_FLOAT_EQ(opponents[5]->ai->passChance, 0.4f);
    EXPECT_FALSE(opponents[1]->ai->goalieTracking);
    EXPECT_TRUE(opponents[2]->ai->goalieTracking);
}

TEST_F(OpponentTest, DifficultiesKeepNormalAsDesignedEasyNeverStrongerHardNeverWeaker)
{
    // NORMAL is the table's row; EASY gives away something on no value, and its goalkeeper
    // stands in the middle so that a beginner scores and the match ends; HARD takes
    // nothing away.
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(testing::Message() << "opponent " << i);
        const OpponentParameters& n = opponentEntry(i).parameters;
        const OpponentParameters normal = parametersAt(i, Difficulty::Normal);
        EXPECT_EQ(0, std::memcmp(&normal, &n, sizeof n));
        const OpponentParameters easy = parametersAt(i, Difficulty::Easy);
        const OpponentParameters hard = parametersAt(i, Difficulty::Hard);
        EXPECT_GE(easy.reactionTime, n.reactionTime);
        EXPECT_LE(hard.reactionTime, n.reactionTime);
        const float OpponentParameters::*speeds[] = {&OpponentParameters::rotationSpeed, &OpponentParameters::shiftSpeed,
                                                     &OpponentParameters::strikeSpeed, &OpponentParameters::actSpeed,
                                                     &OpponentParameters::blockSpeed};
        for (auto speed : speeds) {
            // An EASY opponent that slams its shots leaves its goal open.
            if (speed == &OpponentParameters::strikeSpeed && easy.strikeSpeed > n.strikeSpeed) {
                EXPECT_GE(easy.goalkeeperReactionDelay, 1.0f);
                EXPECT_GE(hard.*speed, n.*speed);
                continue;
            }
            EXPECT_LE(easy.*speed, n.*speed);
            EXPECT_GE(hard.*speed, n.*speed);
        }
        EXPECT_GE(easy.aimErrorMoving, n.aimErrorMoving);
        EXPECT_GE(easy.aimErrorResting, n.aimErrorResting);
        EXPECT_LE(easy.passChance, n.passChance);
        EXPECT_FALSE(easy.goalieTracking);
        EXPECT_EQ(hard.goalieTracking, n.goalieTracking);
    }
}

TEST_F(OpponentTest, EasyBeginnersPushRestingBallsSeeOncomingBallsLateAndGiveUpStuckBallsSooner)
{
    // BOB and ROBERT on EASY, each habit beside the same opponent on NORMAL.
    CountingDeadBalls deadBalls;
    sim.addDeadBallListener(&deadBalls);
    for (int opponent : {kBob, kRobert}) {
        SCOPED_TRACE(testing::Message() << "opponent " << opponent);
        const OpponentParameters normal = opponentEntry(opponent).parameters;
        const OpponentParameters easy = parametersAt(opponent, Difficulty::Easy);
        play(opponent);
        // A resting ball in front of the midfield: sometimes only pushed on gently.
        int pushed[2] = {0, 0};
        for (int level = 0; level < 2; ++level) {
            ai->useParameters(level ? easy : normal);
            for (int n = 0; n < 40; ++n) {
                seedGameRandom(100 + n);
                ai->initStates();
                ai->pendingRod = -1;
                ballOwn(56.0f, 40.0f);
                ai->decide();
                ASSERT_EQ(type(2), kSStateType);
                pushed[level] += shot(2)->strikeSpeed < 2.5f;
            }
        }
        EXPECT_EQ(pushed[0], 0);
        EXPECT_GT(pushed[1], 10);
        EXPECT_LT(pushed[1], 35);
        // A ball coming at the defence a quarter of a second more than the reaction time
        // away: NORMAL's defence goes for it, EASY's sees it too late and leaves it to the
        // goalkeeper; ROBERT's goalkeeper, later still, to the figure standing in the middle.
        for (int level = 0; level < 2; ++level) {
            ai->useParameters(level ? easy : normal);
            ballOwn(21.0f + 30.0f * (normal.reactionTime + 0.25f), 33.2f, -30.0f, 0.0f);
            ai->decide();
            EXPECT_EQ(ai->canReach(1), level == 0);
            EXPECT_EQ(ai->canReach(0), level == 0 || opponent == kBob);
        }
        // A resting ball behind its goalkeeper, only it reaches: EASY gives it up after 4.5 s.
        for (int level = 0; level < 2; ++level) {
            ai->useParameters(level ? easy : normal);
            const int before = deadBalls.calls;
            ballOwn(3.0f, 33.2f);
            sim.regionTime = 4.5f;
            ai->decide();
            EXPECT_EQ(deadBalls.calls - before, level);
        }
    }
}

TEST_F(OpponentTest, RestingBallInFrontOfTheMidfieldIsShotWithTheNearestFigure)
{
    play(kBob);
    seedGameRandom(7);
    ballOwn(56.0f, 40.0f);
    ai->decide();
    EXPECT_EQ(ai->pendingRod, 2);
    ASSERT_EQ(type(2), kSStateType);
    SState* s = shot(2);
    // Figures at -22..22: offset 11 needs shift -4.2, offset 0 needs 6.8; -4.2 is nearer.
    EXPECT_FLOAT_EQ(s->strikePointX, 51.0f);
    EXPECT_NEAR(s->strikePointZ, 40.0f, 1e-4f);
    // Aimed at the goal's centre from (56, 40): a small positive offset, then BOB's +-1.
    EXPECT_GT(s->targetShift, -4.2f + 0.29f - 1.0f);
    EXPECT_LT(s->targetShift, -4.2f + 0.30f + 1.0f);
    EXPECT_FLOAT_EQ(s->windUpAngle, kHalfPi);
    EXPECT_FLOAT_EQ(s->strikeSpeed, 4.5f);
    EXPECT_FLOAT_EQ(s->shiftSpeed, 9.0f);
    // Rods behind and in front keep guard; the attack rod stands 25 in front: lifted.
    EXPECT_EQ(type(0), kFStateType);
    EXPECT_EQ(type(3), kAStateType);
}

TEST_F(OpponentTest, FastBallIsBlockedByTheWeakAndShotByTheStrong)
{
    ballOwn(70.0f, 30.0f, -30.0f, 0.0f);
    play(kBob);
    ai->decide();
    // Rod 2's line is 0.63 s away, inside BOB's 0.7 s reaction: the defence takes it.
    EXPECT_EQ(ai->pendingRod, 1);
    ASSERT_EQ(type(1), kFStateType);
    auto* blocker = static_cast<FState*>(ai->states[1]);
    EXPECT_FALSE(blocker->tracking);
    EXPECT_FLOAT_EQ(blocker->shiftSpeed, 9.0f);  // full speed, not the guard's 0.8
    // Crossing at z 30: the figure at -12 needs 8.8 (beyond the 16.2 travel? no), at +12 -15.2.
    EXPECT_NEAR(blocker->targetShift, 30.0f + 12.0f - 33.2f, 1e-4f);

    play(kJohn);
    seedGameRandom(3);
    ai->decide();
    EXPECT_EQ(ai->pendingRod, 2);
    EXPECT_EQ(type(2), kSStateType);
}

TEST_F(OpponentTest, ReactionTimeDecidesWhichRodCanReach)
{
    play(kBob);
    ai->ballX = 65.0f;  // 14 in front of the midfield rod
    ai->ballZ = 30.0f;
    ai->ballVz = 0.0f;
    ai->ballVx = -20.0f;
    EXPECT_FALSE(ai->canReach(2)) << "0.7 s away is not more than the reaction time";
    ai->ballVx = -19.0f;
    EXPECT_TRUE(ai->canReach(2));
    ai->ballVx = 19.0f;
    EXPECT_FALSE(ai->canReach(2)) << "moving away from the rod";
    // A fast ball moving straight across never reaches any rod's line: no crossing asked.
    ai->ballVx = 0.0f;
    ai->ballVz = 30.0f;
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(ai->canReach(i));
    // Slow ball: within 7.5 of the rod.
    ai->ballVz = 0.0f;
    ai->ballX = 58.4f;
    EXPECT_TRUE(ai->canReach(2));
    ai->ballX = 58.6f;
    EXPECT_FALSE(ai->canReach(2));
}

TEST_F(OpponentTest, SidewaysBallWithoutForwardSpeedChoosesNothing)
{
    play(kJohn);
    ballOwn(60.0f, 30.0f, 0.0f, 40.0f);
    ai->decide();
    EXPECT_EQ(ai->pendingRod, -1);
    for (int i = 0; i < 4; ++i) EXPECT_NE(type(i), kSStateType);
}

TEST_F(OpponentTest, CrossingPointFoldsOffTheSideWalls)
{
    play(kBob);
    ai->ballX = 60.0f;
    ai->ballZ = 30.0f;
    ai->ballVx = -10.0f;
    ai->ballVz = 5.0f;
    EXPECT_NEAR(ai->crossingZ(1), 47.85f, 1e-3f);
    ai->ballVz = -20.0f;
    ai->ballZ = 10.0f;
    EXPECT_NEAR(ai->crossingZ(1), 61.4f, 1e-3f);
    ai->ballZ = 56.4f;
    ai->ballVz = 20.0f;
    EXPECT_NEAR(ai->crossingZ(1), 2.0f * 66.4f - (71.4f + 56.4f), 1e-3f);
}

TEST_F(OpponentTest, FigureSearchRespectsTheTravel)
{
    play(kBob);
    float shift = 99.0f;
    float x = 0.0f;
    float z = 0.0f;
    EXPECT_FALSE(ai->findFigure(3, 0.0f, shift, x, z));
    EXPECT_FALSE(ai->findFigure(3, 66.4f, shift, x, z));
    EXPECT_FALSE(ai->findFigure(3, 64.0f, shift, x, z)) << "outer figure would need 16.8";
    EXPECT_EQ(shift, 99.0f);
    ASSERT_TRUE(ai->findFigure(3, 62.0f, shift, x, z));
    EXPECT_NEAR(shift, 14.8f, 1e-4f);
    EXPECT_FLOAT_EQ(x, 81.0f);
    // Two figures at equal cost: the earlier one.
    ASSERT_TRUE(ai->findFigure(1, 33.2f, shift, x, z));
    EXPECT_NEAR(shift, 12.0f, 1e-4f);
}

TEST_F(OpponentTest, ShotTargetIsClampedToTheTravel)
{
    play(kBob);
    seedGameRandom(11);
    ai->pendingRod = -1;
    ballOwn(85.0f, 62.0f);
    ai->decide();
    ASSERT_EQ(ai->pendingRod, 3);
    ASSERT_EQ(type(3), kSStateType);
    EXPECT_FLOAT_EQ(shot(3)->targetShift, 14.2f);

    play(kBob);
    ai->pendingRod = -1;
    ballOwn(85.0f, 4.4f);
    ai->decide();
    ASSERT_EQ(type(3), kSStateType);
    EXPECT_FLOAT_EQ(shot(3)->targetShift, -14.2f);
}

TEST_F(OpponentTest, GoalkeeperTracksOnlyNearTheCentreLine)
{
    play(kDavid);
    auto* keeper = static_cast<FState*>(ai->states[0]);
    ballOwn(60.0f, 33.2f + 3.0f);
    keeper->update(0.001f);
    EXPECT_NEAR(keeper->targetShift, 3.0f, 1e-4f);
    ballOwn(60.0f, 33.2f - 6.0f);
    keeper->update(0.001f);
    EXPECT_NEAR(keeper->targetShift, 3.0f, 1e-4f);
    ballOwn(60.0f, 33.2f - 5.0f);
    keeper->update(0.001f);
    EXPECT_NEAR(keeper->targetShift, -5.0f, 1e-4f);
    EXPECT_FALSE(static_cast<FState*>(ai->states[1])->tracking);

    // A ball behind the goalkeeper, in its goal mouth: following it would push it in.
    ballOwn(4.0f, 33.2f + 2.0f, -3.0f, 0.0f);
    keeper->update(0.001f);
    EXPECT_NEAR(keeper->targetShift, -5.0f, 1e-4f);

    play(kBob);
    ballOwn(60.0f, 33.2f + 3.0f);
    ai->states[0]->update(0.001f);
    EXPECT_EQ(static_cast<FState*>(ai->states[0])->targetShift, 0.0f);
}

TEST_F(OpponentTest, MidfieldPassesAboutFortyPercentForTheStrongOnly)
{
    auto passShare = [&](int opponent) {
        play(opponent);
        seedGameRandom(2024);
        ai->ballX = 60.0f;
        ai->ballZ = 30.0f;
        ai->ballVx = -10.0f;
        ai->ballVz = 0.0f;
        int passes = 0;
        for (int n = 0; n < 1000; ++n) {
            ai->shoot(2);
            float speed = shot(2)->strikeSpeed;
            if (speed != ai->strikeSpeed) {
                EXPECT_FLOAT_EQ(speed, ai->strikeSpeed / 3.0f);  // a pass of a moving ball
                ++passes;
            }
        }
        return passes / 1000.0;
    };
    EXPECT_EQ(passShare(kBob), 0.0);
    double lisa = passShare(kLisa);
    EXPECT_GT(lisa, 0.35);
    EXPECT_LT(lisa, 0.45);
    // Shooting is never a pass from other rods.
    play(kJohn);
    seedGameRandom(5);
    ai->ballX = 86.0f;
    ai->ballZ = 30.0f;
    ai->ballVx = -10.0f;
    for (int n = 0; n < 100; ++n) {
        ai->shoot(3);
        EXPECT_EQ(shot(3)->strikeSpeed, 28.0f);
        EXPECT_FLOAT_EQ(shot(3)->windUpAngle, 0.5f);  // an oncoming ball: a short wind-up
    }
}

TEST_F(OpponentTest, ActionEndsFourHundredUpdatesAfterABallEvent)
{
    play(kBob);
    seedGameRandom(1);
    ballOwn(56.0f, 40.0f);
    ai->update(0.001f);
    ASSERT_EQ(ai->pendingRod, 2);
    ASSERT_EQ(type(2), kSStateType);
    for (int i = 1; i < 10; ++i) ai->update(0.001f);

    // The ball is struck away past every rod: an event, and nothing left to act on.
    ballOwn(100.0f, 40.0f, 50.0f, 0.0f);
    ai->changed = true;
    ai->update(0.001f);
    EXPECT_FALSE(ai->changed);
    EXPECT_EQ(ai->pendingRod, -1);
    EXPECT_EQ(ai->states[2]->countdown, 399);
    for (int i = 1; i < 400; ++i) ai->update(0.001f);
    EXPECT_EQ(type(2), kSStateType);
    EXPECT_EQ(ai->states[2]->countdown, 0);
    ai->update(0.001f);
    EXPECT_EQ(type(2), kFStateType);
    EXPECT_EQ(ai->states[2]->countdown, -1);
}

TEST_F(OpponentTest, RodsLiftInFrontOfTheBallAndComeDownBehindIt)
{
    play(kBob);
    ballOwn(30.0f, 10.0f, 60.0f, 0.0f);  // too fast for BOB to act on
    ai->decide();
    EXPECT_EQ(type(0), kFStateType);
    EXPECT_EQ(type(1), kFStateType);
    EXPECT_EQ(type(2), kAStateType);
    EXPECT_EQ(type(3), kAStateType);
    ballOwn(88.0f, 10.0f, 60.0f, 0.0f);
    ai->decide();
    EXPECT_EQ(type(2), kFStateType);
    EXPECT_EQ(type(3), kFStateType);
}

TEST_F(OpponentTest, NoLiftIntoABallComingOutFromBehind)
{
    // BOB's defence (21) with a ball 9 behind it coming forward at 5 or 60 units/s: the
    // ball reaches the feet within 0.4 s, the lift needs 0.57 s to clear it, so the defence
    // stays upright instead of sweeping the ball back into its goal. The midfield, far
    // ahead, lifts as ever.
    for (float vx : {5.0f, 60.0f}) {
        play(kBob);
        ballOwn(12.0f, 30.0f, vx, 0.0f);
        ai->decide();
        EXPECT_EQ(type(1), kFStateType) << vx;
        EXPECT_EQ(type(2), kAStateType) << vx;
    }
    // A defence already lifting when a ball comes back out of the goal area stands up
    // again instead of sweeping its feet into it.
    play(kBob);
    ballOwn(12.0f, 30.0f, -20.0f, 0.0f);  // heading for the own goal: the defence lifts
    ai->decide();
    ASSERT_EQ(type(1), kAStateType);
    sim.teams[1].rods[1].angle = -0.4f;
    ballOwn(10.0f, 30.0f, 120.0f, 0.0f);  // back off the end wall
    ai->decide();
    EXPECT_EQ(type(1), kFStateType);
    // The same ball lying still, or JOHN THE KING's defence, up in 0.1 s: they lift.
    play(kBob);
    ballOwn(12.0f, 30.0f);
    ai->decide();
    EXPECT_EQ(type(1), kAStateType);
    play(kJohn);
    ballOwn(3.0f, 30.0f, 5.0f, 0.0f);
    ai->decide();
    EXPECT_EQ(type(1), kAStateType);
}

TEST_F(OpponentTest, ReportsAStuckBallOnlyItCanReach)
{
    CountingDeadBalls deadBalls;
    sim.addDeadBallListener(&deadBalls);
    play(kBob);
    ballOwn(8.0f, 33.2f);  // in front of its own goalkeeper, out of the player's reach
    sim.regionTime = 10.0f;
    ai->decide();
    EXPECT_EQ(deadBalls.calls, 0);
    sim.regionTime = 11.5f;
    ballOwn(8.0f, 33.2f, 0.01f, 0.0f);
    ai->decide();
    EXPECT_EQ(deadBalls.calls, 0) << "still rolling";
    ballOwn(8.0f, 33.2f);
    sim.regionTime = 11.5f;
    ai->decide();
    EXPECT_EQ(deadBalls.calls, 1);
    // Restarted at its own goalkeeper.
    EXPECT_NEAR(sim.ballPosition.x, sim.length - 6.0f - 3.5f, 1e-3f);

    // A ball the player can also reach is never reported by the opponent.
    ballOwn(117.4f - 21.0f, 33.2f);
    sim.regionTime = 20.0f;
    ai->decide();
    EXPECT_EQ(deadBalls.calls, 1);
}

TEST_F(OpponentTest, StrikeStartsWhenTheBallArrivesWithinTheStrikeTime)
{
    play(kJohn);
    SState strike(&sim.teams[1].rods[2], ai.get());
    strike.strikePointX = 51.0f;
    strike.strikePointZ = 30.0f;
    strike.windUpAngle = kHalfPi;
    strike.rotationSpeed = 12.0f;
    strike.strikeSpeed = 28.0f;  // the strike needs 0.056 s
    // Oncoming at 50 units/s: contact distance 3.3 is reached after (d - 3.3) / 50 s.
    ballOwn(51.0f + 3.3f + 3.0f, 30.0f, -50.0f, 0.0f);  // 0.06 s away: still winding up
    strike.update(0.001f);
    EXPECT_FALSE(strike.striking);
    EXPECT_LT(sim.teams[1].rods[2].angle, 0.0f);
    ballOwn(51.0f + 3.3f + 2.5f, 30.0f, -50.0f, 0.0f);  // 0.05 s away
    strike.update(0.001f);
    EXPECT_TRUE(strike.striking);
    EXPECT_GT(sim.teams[1].rods[2].angularVelocity, 0.0f);
    // A slow ball: only once the wind-up has had its time (3.5 / 12 + 0.3 s) and near.
    SState slow(&sim.teams[1].rods[3], ai.get());
    slow.strikePointX = 81.0f;
    slow.strikePointZ = 30.0f;
    slow.windUpAngle = kHalfPi;
    slow.rotationSpeed = 12.0f;
    slow.strikeSpeed = 28.0f;
    ballOwn(85.0f, 30.0f);
    for (int i = 0; i < 590 && !slow.striking; ++i) slow.update(0.001f);
    EXPECT_FALSE(slow.striking);
    for (int i = 0; i < 10 && !slow.striking; ++i) slow.update(0.001f);
    EXPECT_TRUE(slow.striking);
}

TEST_F(OpponentTest, SlowBallBehindARodIsNotStruckTowardsTheOwnGoal)
{
    play(kJohn);
    seedGameRandom(3);
    // 3 units behind the midfield rod (51): no rod can strike it, and a full strike or a
    // wind-up through it would knock it hard towards the opponent's own goal. The rod taps
    // it back with a slow strike instead: feet wound up in front, swinging back.
    ballOwn(48.0f, 30.0f);
    ai->decide();
    EXPECT_FALSE(ai->canReach(2));
    ASSERT_EQ(ai->pendingRod, 2);
    ASSERT_EQ(type(2), kSStateType);
    EXPECT_LT(shot(2)->windUpAngle, 0.0f);
    EXPECT_GT(shot(2)->windUpAngle, -kHalfPi);
    EXPECT_LT(shot(2)->strikeSpeed, 3.0f);  // JOHN strikes at 28 rad/s
    // Within a unit behind it is still the rod's ball, for a full strike forward.
    ballOwn(50.2f, 30.0f);
    ai->changed = true;
    ai->decide();
    ASSERT_EQ(ai->pendingRod, 2);
    EXPECT_FLOAT_EQ(shot(2)->windUpAngle, kHalfPi);
    // Too far behind for the feet: nothing to do there.
    ballOwn(43.0f, 30.0f);
    ai->changed = true;
    ai->decide();
    EXPECT_EQ(ai->pendingRod, -1);
}

// A ball lying still just behind a rod, played on the real table: it must be back in play
// long before the 11-second dead-ball report, rolling gently to the rod behind.
TEST_F(OpponentTest, BallLyingJustBehindARodIsTappedBackToTheRodBehind)
{
    struct Case {
        int opponent;
        float x, z;      // own frame, behind rod `rod`
        int rod;
        bool lifted;     // the rod's feet lie flat backwards, over the ball
    };
    const Case cases[] = {
        {kBob, 47.5f, 30.0f, 2, false}, {kJohn, 47.5f, 30.0f, 2, false}, {kJohn, 46.0f, 40.0f, 2, false},
        {kBob, 77.0f, 36.0f, 3, false}, {kJohn, 17.0f, 28.0f, 1, false}, {kLisa, 16.5f, 40.0f, 1, false},
        // A ball that rolled in under lifted feet and stopped: coming down forward they would
        // only trap it.
        {kDavid, 77.2f, 22.0f, 3, true}, {kJohn, 47.0f, 33.2f, 2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "opponent " << c.opponent << " ball " << c.x << "," << c.z);
        sim = Simulation();
        // The other side's figures lifted out of the way, so only the opponent plays.
        for (Rod& rod : sim.teams[0].rods) rod.angle = kHalfPi;
        CountingDeadBalls deadBalls;
        sim.addDeadBallListener(&deadBalls);
        play(c.opponent);
        sim.addSimulationListener(ai.get());
        seedGameRandom(11);
        if (c.lifted) sim.teams[1].rods[c.rod].angle = -kHalfPi;
        ballOwn(c.x, c.z);
        sim.ballAtRest = true;

        const float rodBehind = sim.teams[1].rods[c.rod - 1].position;
        float fastestBack = 0.0f;
        float reachedAt = -1.0f;
        for (int i = 0; i < 8000 && sim.state == InPlay; ++i) {
            ai->update(0.001f);
            sim.step(0.001f);
            OwnFrameVector p = ai->ballPositionOwn();
            OwnFrameVector v = ai->ballVelocityOwn();
            // Until the rod behind has it, the ball only ever rolls back gently.
            if (reachedAt < 0.0f) fastestBack = std::max(fastestBack, -v.x);
            if (reachedAt < 0.0f && p.x - rodBehind < 7.5f) reachedAt = i * 0.001f;
        }
        EXPECT_GE(reachedAt, 0.0f);
        EXPECT_LT(reachedAt, 6.0f);
        EXPECT_GT(fastestBack, 0.5f);
        EXPECT_LT(fastestBack, 16.0f);
        EXPECT_EQ(deadBalls.calls, 0);
        EXPECT_EQ(sim.score[0], 0);  // never into the opponent's own goal
        sim.removeSimulationListener(ai.get());
    }
}

TEST_F(OpponentTest, FeetHangingForwardOverABallInFrontTurnOnOverTheTopAndShoot)
{
    // Met in play, with the rim: a strike's feet came to rest forwards over a ball lying
    // just in front of the attack. Winding up for the next shot the short way pressed them
    // down on the ball, which stayed frozen under them until it was given up as dead.
    struct Case {
        int opponent;
        float x, z;     // own frame, about 3.7 in front of the attack
        float shift;    // the nearest figure over the ball
        float angle;
    };
    const Case cases[] = {
        {kRobert, 84.8f, 4.27f, -14.2f, 1.185f}, {kDavid, 85.12f, 61.9f, 14.2f, 1.206f},
        {kLisa, 84.85f, 18.27f, -0.93f, 1.189f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "opponent " << c.opponent << " ball " << c.x << "," << c.z);
        sim = Simulation();
        sim.rimEnabled = true;
        for (Rod& rod : sim.teams[0].rods) rod.angle = kHalfPi;
        play(c.opponent);
        sim.addSimulationListener(ai.get());
        seedGameRandom(3);
        Rod& attack = sim.teams[1].rods[3];
        attack.angle = c.angle;
        attack.shift = c.shift;
        ballOwn(c.x, c.z);
        sim.ballAtRest = true;
        float fastest = 0.0f;
        for (int i = 0; i < 4000 && sim.state == InPlay; ++i) {
            ai->update(0.001f);
            sim.step(0.001f);
            OwnFrameVector v = ai->ballVelocityOwn();
            fastest = std::max(fastest, std::sqrt(v.x * v.x + v.z * v.z));
        }
        // Within four seconds the ball is shot on, not held.
        EXPECT_GT(fastest, 10.0f);
        sim.removeSimulationListener(ai.get());
    }
}

TEST_F(OpponentTest, GoalkeeperFeetHangingBackOverABallInItsGoalMouthTurnUpOffIt)
{
    // Met in play (BOB, rim on): the goalkeeper's feet turned back over a ball lying still
    // in its goal mouth. Standing up again pressed them down on the ball, which stayed
    // frozen under them until the opponent gave it up as dead 11 s later.
    sim = Simulation();
    sim.rimEnabled = true;
    for (Rod& rod : sim.teams[0].rods) rod.angle = kHalfPi;
    play(kBob);
    sim.addSimulationListener(ai.get());
    seedGameRandom(3);
    Rod& keeper = sim.teams[1].rods[0];
    keeper.angle = -1.1484f;
    ballOwn(2.594f, 32.262f);
    sim.ballAtRest = true;
    for (int i = 0; i < 3000; ++i) {
        ai->update(0.001f);
        sim.step(0.001f);
    }
    // Within three seconds the feet have turned up off the ball, and not into the own goal.
    OwnFrameVector ball = ai->ballPositionOwn();
    float footX = keeper.position + kFootArm * std::sin(keeper.angle);
    float footY = kRodAxisHeight - kFootArm * std::cos(keeper.angle);
    EXPECT_GT(std::hypot(ball.x - footX, sim.ballPosition.y - footY), kBallRadius + kFootRadius + 0.5f);
    EXPECT_EQ(sim.state, InPlay);
    EXPECT_NEAR(ball.x, 2.594f, 0.1f);
    sim.removeSimulationListener(ai.get());
}

TEST_F(OpponentTest, AStrikeThatMissesEndsTheActionAndTheOpponentPlansAgain)
{
    play(kBob);
    seedGameRandom(5);
    // A resting ball in front of the midfield that the strike will not touch: the table is
    // not stepped, so the ball stays where it is whatever the rod does.
    ballOwn(56.0f, 40.0f);
    Rod& rod = sim.teams[1].rods[2];
    bool struck = false;
    bool plannedAgain = false;
    for (int i = 0; i < 6000 && !plannedAgain; ++i) {
        ai->update(0.001f);
        if (type(2) == kSStateType && shot(2)->struck) struck = true;
        // After the miss a fresh strike winds up again instead of the rod standing frozen
        // with its figures flat until the ball is given up as dead.
        if (struck && type(2) == kSStateType && !shot(2)->striking && rod.angle < 0.0f) plannedAgain = true;
    }
    EXPECT_TRUE(struck);
    EXPECT_TRUE(plannedAgain);
}

TEST_F(OpponentTest, ActionEndsWhenTheBallHasPassedTheRod)
{
    play(kJohn);
    seedGameRandom(9);
    ballOwn(51.5f, 30.0f);
    ai->decide();
    ASSERT_EQ(ai->pendingRod, 2);
    ballOwn(52.5f, 30.0f, 150.0f, 0.0f);  // still within 2.0 of the rod: pending
    ai->decide();
    EXPECT_EQ(ai->pendingRod, 2);
    ballOwn(53.5f, 30.0f, 150.0f, 0.0f);
    ai->decide();
    EXPECT_EQ(ai->pendingRod, -1);
    EXPECT_EQ(ai->states[2]->countdown, 400);
}

} // namespace
