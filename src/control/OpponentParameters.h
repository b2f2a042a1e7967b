#pragma once
// The numbers that make one computer opponent differ from another: thirteen in the designed
// table, and three beginner's habits that only the EASY difficulty sets.
struct OpponentParameters {
    float rotationSpeed;    // rad/s: guard uprighting, lifting, wind-up
    float shiftSpeed;       // units/s: shot and block positioning; guards use 0.8 of it
    float strikeSpeed;      // rad/s: the strike itself
    float lowerDistance;    // a lifted rod comes down once the ball is this far in front of it
    float liftDistance;     // a rod lifts once it stands this far in front of the ball
    float reactionTime;     // s: a moving ball must need longer than this to reach the rod
    float actSpeed;         // units/s: actions start only while the ball's vx is below this
    float blockSpeed;       // units/s: faster balls are blocked rather than shot
    float aimErrorMoving;   // units: spread of the aim error on a moving ball
    float aimErrorResting;  // units: the same on a slow or resting ball
    bool goalieTracking;    // the goalkeeper follows the ball sideways
    float trackingRange;    // ...while the ball is closer than this to the centre line
    float passChance;       // 0..1: share of midfield shots that are diagonal passes
    float restingPushChance = 0.0f;       // 0..1: share of resting balls only pushed on gently
    float defenceReactionDelay = 0.0f;    // s: the defence sees a moving ball this late
    float goalkeeperReactionDelay = 0.0f; // s: the goalkeeper sees a moving ball this late
    float deadBallTime = 11.0f;           // s: a resting ball only this side reaches is reported
};
