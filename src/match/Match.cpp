#include "match/Match.h"

#include "control/FoosballControl.h"
#include "control/RodCommand.h"
#include "match/SubSteps.h"
#include "simulation/TableSounds.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {
// How long a ball lies still where only team 1 reaches before it is reported for a second
// player, as the computer opponent reports it.
constexpr float kDeadBallTime = 11.0f;
}  // namespace

void Match::setSide(int side, FoosballControl* control, RodCommandSource* hands)
{
    MatchSide& seat = sides[side];
    if (seat.control && !seat.hands)
        simulation.removeSimulationListener(seat.control);
    seat.control = control;
    seat.hands = hands;
    if (!control)
        return;
    control->rods = simulation.teams[side].rods;
    control->simulation = &simulation;
    control->initStates();
    if (!hands)
        simulation.addSimulationListener(control);
}

void Match::start(const MatchSetup& setup)
{
    practice = setup.practice;
    simulation.rimEnabled = setup.rim;
    simulation.practice = practice;
    simulation.goalPending = false;
    simulation.goalByTeam0 = false;
    simulation.score[0] = 0;
    simulation.score[1] = 0;
    simulation.kickOffTeam = 0;
    length = setup.length;
    if (!length.timed() && length.goals < 1)
        length.goals = kWinningScore;
    // A timed match is ended by its clock, not by a number of goals.
    simulation.winningScore = length.timed() ? INT_MAX : length.goals;
    fullTime_ = false;
    fullTimeUntold_ = false;
    simulation.kickOff();
    playedSeconds = 0.0;
    subSteps = 0;
    restingDeadBalls = 0;
    reportedDeadBalls = 0;
}

void Match::frame(float dt, MatchObserver* observer)
{
    GoalReport goal;
    const bool scored = takeGoal(goal);
    // The goal that counted at full time and put a side ahead has told the winner itself.
    if (scored && goal.decisive)
        fullTimeUntold_ = false;
    if (scored && observer)
        observer->onGoal(goal);
    if (fullTimeUntold_) {
        fullTimeUntold_ = false;
        if (observer)
            observer->onFullTime(winner());
    }
    applyRestingDeadBallRule();
    if (observer)
        observer->beforeSubSteps(dt);
    runSubSteps(dt, observer);
}

bool Match::takeGoal(GoalReport& goal)
{
    // Free practice counts no goals for anybody.
    if (practice || !simulation.goalPending)
        return false;
    goal.byTeam0 = simulation.goalByTeam0;
    goal.decisive = decided();
    simulation.goalPending = false;
    simulation.goalByTeam0 = false;
    return true;
}

void Match::applyRestingDeadBallRule()
{
    if (simulation.ballAtRest && simulation.restRegion == -1) {
        ++restingDeadBalls;
        simulation.reportDeadBall(-1);
        return;
    }
    // A person on team 1 (a second player) has no dead-ball key, and nobody else may report
    // a ball that only team 1 reaches: the computer opponent's rule reports it for him, or
    // the match would wait for ever.
    const MatchSide& away = sides[1];
    if (!away.control || !away.hands || simulation.state != InPlay || simulation.regionTime <= kDeadBallTime)
        return;
    const Vector3& ball = simulation.ballPosition;
    const Vector3 own(simulation.length - ball.x, 0.0f, simulation.width - ball.z);
    const float speed = std::sqrt(simulation.ballVelocity.x * simulation.ballVelocity.x +
                                  simulation.ballVelocity.z * simulation.ballVelocity.z);
    if (speed < 0.001f && !simulation.inReach(0, Vector3(ball.x, 0.0f, ball.z)) && simulation.inReach(1, own)) {
        ++reportedDeadBalls;
        simulation.reportDeadBall(1);
    }
}

void Match::runSubSteps(float dt, MatchObserver* observer)
{
    for (MatchSide& side : sides)
        if (side.control && side.hands)
            side.hands->beginFrame(dt);
    // Side 0's controller, then side 1's, then the table: the order of every sub-step.
    forEachSubStep(dt, [&](float s) {
        for (MatchSide& side : sides) {
            if (!side.control)
                continue;
            if (side.hands)
                side.control->takeCommand(side.hands->next(s));
            side.control->update(s);
        }
        simulation.step(s);
        playedSeconds += s;
        ++subSteps;
        if (observer)
            observer->afterSubStep(s);
        watchClock();
    });
}

void Match::watchClock()
{
    if (!length.timed() || practice || fullTime_ || playedSeconds < length.seconds())
        return;
    // A ball already dropping into a goal is counted first.
    if (simulation.state == InGoal)
        return;
    fullTime_ = true;
    fullTimeUntold_ = true;
    const int leader = winner();
    if (leader < 0) {
        // A draw: the next goal wins.
        simulation.winningScore = simulation.score[0] + 1;
        return;
    }
    // After a goal no kick-off follows; a ball in play stops where it is.
    simulation.winningScore = simulation.score[leader];
    if (simulation.state == InPlay) {
        simulation.state = MatchOver;
        simulation.notifyListeners();
        if (simulation.tableSounds)
            simulation.tableSounds->stopRoll();
    }
}

double Match::secondsLeft() const
{
    if (!length.timed() || fullTime_)
        return 0.0;
    return std::max(0.0, length.seconds() - playedSeconds);
}

bool Match::claimDeadBall(int side)
{
    if (!simulation.ballAtRest || (!practice && simulation.restRegion != side))
        return false;
    simulation.reportDeadBall(side);
    return true;
}

int Match::winner() const
{
    const std::int32_t* score = simulation.score;
    if (length.timed()) {
        if (!fullTime_ || score[0] == score[1])
            return -1;
        return score[0] > score[1] ? 0 : 1;
    }
    if (score[0] >= length.goals)
        return 0;
    if (score[1] >= length.goals)
        return 1;
    return -1;
}
