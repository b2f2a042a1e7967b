#include "match/Match.h"

#include "control/FoosballControl.h"
#include "control/RodCommand.h"
#include "match/SubSteps.h"

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
    simulation.kickOff();
    playedSeconds = 0.0;
    subSteps = 0;
    restingDeadBalls = 0;
}

void Match::frame(float dt, MatchObserver* observer)
{
    GoalReport goal;
    if (takeGoal(goal) && observer)
        observer->onGoal(goal);
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
    });
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
    if (simulation.score[0] >= kWinningScore)
        return 0;
    if (simulation.score[1] >= kWinningScore)
        return 1;
    return -1;
}
