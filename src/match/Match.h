#pragma once
// One match on the table, as the game, pitchbar-sim, the tests and the benchmarks all play
// it: the kick-off, frames run in sub-steps of at most 1 ms in which each side's controller
// moves its rods (fed the command of its hands, when hands drive it) before the table
// steps, goals up to the winning score (or the clock of a timed match), the winner, and the
// dead-ball rules.
#include "match/MatchLength.h"
#include "simulation/Simulation.h"

#include <cstdint>

class FoosballControl;
class RodCommandSource;

// A counted goal, told once at the start of the frame after the one it was counted in.
struct GoalReport {
    bool byTeam0 = false;
    // The goal reached the winning score: the match is decided.
    bool decisive = false;
};

// Who plays one side of the table.
struct MatchSide {
    FoosballControl* control = nullptr;  // moves the side's four rods; not owned
    RodCommandSource* hands = nullptr;   // its rod commands; null for a side that plays by itself
};

// How a match starts.
struct MatchSetup {
    bool practice = false;  // free practice: no goals are told, no end
    bool rim = false;       // the sloped rim in the table's corners
    MatchLength length;     // first to five unless set otherwise
};

// Hears a frame of the match at the points where the match screen adds its own work.
class MatchObserver {
public:
    virtual ~MatchObserver() = default;
    // A goal of the previous frame; never in free practice.
    virtual void onGoal(const GoalReport& goal) = 0;
    // The frame's rules are applied; the table is about to move by dt seconds.
    virtual void beforeSubSteps(float dt) = 0;
    // The table has moved by one sub-step of s seconds (the headless match's watch).
    virtual void afterSubStep(float /*s*/) {}
    // The clock of a timed match ran out (told at the start of the next frame, after its
    // goal if there was one): the side ahead, which has won, or -1 for a draw that the next
    // goal decides. Not told when the goal that counted at full time has already told the
    // winner.
    virtual void onFullTime(int winner) { (void)winner; }
};

class Match {
public:
    Simulation simulation;
    MatchSide sides[2];
    bool practice = false;
    MatchLength length;
    // Seconds of play since the start: the sum of the sub-steps.
    double playedSeconds = 0.0;
    std::int64_t subSteps = 0;
    // Balls put back because they came to rest where no rod reaches them.
    int restingDeadBalls = 0;
    // Balls reported for a second player on team 1 (only he reached them, for 11 s).
    int reportedDeadBalls = 0;

    Match() = default;
    Match(const Match&) = delete;
    Match& operator=(const Match&) = delete;

    // Puts a controller (and its hands, if any) on side 0 or 1, replacing the one there: it
    // gets the side's rods and builds its rod states. A side without hands plays by itself
    // and hears the ball events; the one it replaces stops hearing them.
    void setSide(int side, FoosballControl* control, RodCommandSource* hands);
    // A new match: no goals, the table's rim as set up, and side 0 kicks off from its
    // midfield rod.
    void start(const MatchSetup& setup);

    // One frame of dt seconds: the goal of the previous frame is told, a ball at rest where
    // no rod reaches it is put back (and one that only a second player on team 1 has reached
    // for 11 s is his to restart), then the table runs in sub-steps. observer may be null.
    void frame(float dt, MatchObserver* observer);

    // A side claims the ball is dead (the player's D key): granted when the ball rests where
    // only that side reaches it, or anywhere in free practice. true when it was put back.
    bool claimDeadBall(int side);

    // The side that reached the winning score, or that is ahead when a timed match's clock
    // has run out; -1 while nobody has won.
    int winner() const;
    bool decided() const { return winner() != -1; }
    // A timed match's clock has run out (never in a match of goals).
    bool fullTime() const { return fullTime_; }
    // Seconds of play left on a timed match's clock, 0 once it has run out.
    double secondsLeft() const;

private:
    bool takeGoal(GoalReport& goal);
    // After a sub-step of a timed match: the clock's end, once a goal on its way is in.
    void watchClock();
    void applyRestingDeadBallRule();
    void runSubSteps(float dt, MatchObserver* observer);

    bool fullTime_ = false;
    bool fullTimeUntold_ = false;
};
