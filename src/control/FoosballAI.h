#pragma once
// The computer opponent: guards stand upright in the middle (a tracking goalkeeper follows
// the ball), rods in front of the ball lift, and when a rod can reach the ball in time it
// blocks the ball's path or lines up a figure and shoots at the player's goal, from the
// midfield sometimes as a diagonal pass. Decisions are made on every tenth update.
#include "control/FoosballControl.h"
#include "control/OpponentParameters.h"

#include <cstdint>

class FoosballAI : public FoosballControl {
public:
    float rotationSpeed = 0.0f;
    float shiftSpeed = 0.0f;
    float strikeSpeed = 0.0f;
    float lowerDistance = 0.0f;
    float liftDistance = 0.0f;
    float reactionTime = 0.0f;
    float actSpeed = 0.0f;
    float blockSpeed = 0.0f;
    float aimErrorMoving = 0.0f;
    float aimErrorResting = 0.0f;
    bool goalieTracking = false;
    float trackingRange = 0.0f;
    float passChance = 0.0f;
    float restingPushChance = 0.0f;
    float defenceReactionDelay = 0.0f;
    float goalkeeperReactionDelay = 0.0f;
    float deadBallTime = 11.0f;
    int32_t pendingRod = -1;
    float ballX = 0.0f;
    float ballZ = 0.0f;
    float ballVx = 0.0f;
    float ballVz = 0.0f;
    float previousBallX = 0.0f;
    float previousBallZ = 0.0f;
    int32_t updateCounter = 0;

    explicit FoosballAI(const OpponentParameters& parameters);
    // Takes another set of the opponent's numbers (a difficulty's); its rod states and
    // ball memory stay as they are.
    void useParameters(const OpponentParameters& parameters);

    void initStates() override;
    void update(float dt) override;

    // The decision pass (run by update on every tenth update).
    void decide();
    // Whether rod i can get to the ball in time.
    bool canReach(int i) const;
    // The ball's z where it crosses rod i's striking line, folded once off a side wall.
    // Only asked for a ball with vx != 0.
    float crossingZ(int i) const;
    // Which figure of rod i can be brought to z: the shift for it and the strike point.
    // Leaves the outputs alone when no figure fits.
    bool findFigure(int i, float z, float& shift, float& strikeX, float& strikeZ) const;
    void block(int i);
    void shoot(int i);
    // A slow ball lying between one and 6.5 units behind rod i (i >= 1): the feet reach it.
    bool liesJustBehind(int i) const;
    // Rod i is the defence and a ball behind it coming forward reaches its feet before a
    // lift would clear it.
    bool reachesFeetDuringLift(int i) const;
    // Whether rod i's feet are turned back far enough to hang over a ball behind it.
    bool feetHangBehind(int i) const;
    // Whether rod i's feet are turned forward far enough to hang over a slow ball lying
    // just in front of it.
    bool feetHangInFront(int i) const;
    // How fast a ball tapped back by rod i should leave it to stop before the rod behind.
    float backPassSpeed(int i) const;
    // Rod i taps the ball back with a slow strike; false when no figure can get to it.
    bool passBack(int i);

private:
    void putOnGuard(int i);
    void endPendingAction();
    void chooseAction();
    void reportDeadBallIfStuck();
    float ballSpeed() const;
};
