#pragma once
// A scripted human player for headless matches: the hands of the player's own controller
// (assisted mode, automatic rod choice, the settings of a new profile). It sees the ball
// late by its reaction time, moves the held rod no faster than its hand allows, lines a
// figure up with some error, and winds up and releases the click shot when the ball lies
// in front of the held rod. The stronger levels make up part of their delay by looking
// ahead along the ball's path and line up where the ball will cross the rod.
#include "control/AssistedControl.h"
#include "control/RodCommand.h"

#include <cstdint>
#include <vector>

struct ScriptedPlayerLevel {
    const char* name;
    float reactionTime;      // s: the ball is seen as it was this long ago
    float lookAhead;         // 0..1: share of the delay made up by following the ball's path
    bool predictsCrossing;   // lines up with where a rolling ball will cross the rod's line
    float handSpeed;         // units/s: fastest sideways movement of the held rod
    float turnSpeed;         // rad/s: fastest turning of the held rod by hand
    float aimError;          // units: width of the uniform error of every line-up
    float releaseJitter;     // s: the shot button comes up late by up to this much
    float volleySpeed;       // units/s: an oncoming ball faster than this is only blocked
};

constexpr int kScriptedPlayerLevels = 3;
// weak, average, good; nullptr for another name.
const ScriptedPlayerLevel* findScriptedPlayerLevel(const char* name);
const ScriptedPlayerLevel& scriptedPlayerLevel(int index);

// The settings of a new profile in the player's controller: assisted, AUTO, sensitivities
// 8 and 8, click speed 8, no rotation limits, normal direction.
void applyNewProfileSettings(AssistedControl& control);

class ScriptedPlayer : public RodCommandSource {
public:
    // control plays the player's side; its rods and simulation are set by the match.
    ScriptedPlayer(const ScriptedPlayerLevel& level, const AssistedControl& control, std::uint32_t seed);

    void beginFrame(float dt) override;
    RodCommand next(float s) override;
    // The ball has lain still long enough for the player to claim a dead ball (the D key
    // of the match screen); asking again waits as long once more.
    bool wantsDeadBall();

private:
    struct Seen {
        float x, z, vx, vz;
    };
    enum class Shot { Idle, Holding, Recovering, TapLift, TapSwing };

    Seen perceivedBall() const;
    float targetZ(const Seen& ball, float rodX) const;
    // The shift that brings the nearest able figure to z; offset tells which figure.
    float shiftFor(int rod, float z, float& offset) const;
    float uniform();  // 0..1, the player's own generator (the opponents' stays untouched)
    void updateShot(const Seen& ball, int rod, bool linedUp, RodCommand& command);
    void startBackTap(const Seen& ball, int rod, bool linedUp);
    // The hand's turn for this sub-step of a back tap (mouse counts).
    float backTapTurn(const Rod& held, float s);

    const ScriptedPlayerLevel& level_;
    const AssistedControl& control_;
    std::uint32_t random_;
    std::vector<Seen> history_;  // one entry a sub-step, a ring of the last second
    std::size_t head_ = 0;
    std::size_t filled_ = 0;
    float subStep_ = 0.001f;
    int heldRod_ = -1;
    float aim_ = 0.0f;         // the present line-up error
    bool newAim_ = false;      // draw a fresh one: a shot has been played
    float tapSpeed_ = 0.0f;    // rad/s of the back tap's swing
    Shot shot_ = Shot::Idle;
    float shotTime_ = 0.0f;    // s in the present shot phase
    float releaseDelay_ = 0.0f;
    float stillFor_ = 0.0f;    // s the ball has lain still
    float lastAngle_ = 0.0f;   // the held rod's angle at the previous sub-step
    float stuckFor_ = 0.0f;    // s the hand has turned without the rod turning
    float overTheTop_ = 0.0f;  // +1 or -1 while turning the long way round, else 0
    int heldRodForTurn_ = -1;
};
