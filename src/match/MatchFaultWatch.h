#pragma once
// Watches a headless match sub-step by sub-step for the faults a player notices: a ball
// frozen under a figure, goals the computer pushes into its own goal, and the automatic
// rod choice handing the ball back and forth or dropping a shot being wound up.
#include "match/Match.h"

class AssistedControl;

struct MatchFaultCounts {
    int freezes = 0;           // the ball still under a foot for 1 s or more, once a spell
    int freezesPlayer = 0;     // ... of them, under a foot of the scripted player's side
    // The player's goals the computer pushed into its own goal with a moving rod (feet
    // turning towards its goal, or the rod sliding): by its goalkeeper, its defence, or its
    // midfield or attack; and those that only bounced in off a rod standing still.
    int ownGoalsKeeper = 0;
    int ownGoalsDefence = 0;
    int ownGoalsOther = 0;
    int ownGoalsRebound = 0;
    int handOvers = 0;         // changes of the automatic choice
    int flipBacks = 0;         // ... straight back to the rod left within 0.5 s
    int clicksDropped = 0;     // ... while the shot button was down or the click shot ran
};

class MatchFaultWatch : public MatchObserver {
public:
    // player: the controller of the scripted player's side (playerTeam), or null with -1.
    MatchFaultWatch(const Match& match, int playerTeam, const AssistedControl* player);

    MatchFaultCounts counts;

    void onGoal(const GoalReport&) override {}
    void beforeSubSteps(float) override {}
    void afterSubStep(float s) override;

private:
    void watchFreeze(float s);
    void watchOwnGoals();
    void watchRodChoice(float s);
    // Whether the foot of that rod nearest the ball moved into the ball on its own.
    bool footPushed(int team, int rodIndex) const;

    const Match& match_;
    int playerTeam_;
    const AssistedControl* player_;
    float stillUnderFoot_ = 0.0f;
    int underTeam_ = -1;          // the side whose foot holds the still ball
    bool freezeCounted_ = false;
    std::uint64_t notifications_ = 0;
    float previousVx_ = 0.0f;     // the ball's vx before the sub-step, table frame
    int playerScore_ = 0;
    bool pushedHome_ = false;     // the computer's last touch sent the ball at its own goal
    int pushRod_ = -1;            // the rod that did it, -1 for a rebound off a still rod
    int chosen_ = -1;
    int left_ = -1;               // the rod the choice left at its last change
    float sinceChange_ = 0.0f;
    bool shotUnderWay_ = false;
};
