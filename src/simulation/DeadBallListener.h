#pragma once
// Told when a dead ball is reported, before the ball is put back at a goalkeeper.
class DeadBallListener {
public:
    virtual ~DeadBallListener() = default;
    virtual void onDeadBall() = 0;
};
