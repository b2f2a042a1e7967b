#include "match/ScriptedPlayer.h"

#include "control/ControlState.h"
#include "simulation/TableGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// name, reaction, look-ahead, crossing, hand speed, turn speed, aim error, release jitter,
// volley speed
const ScriptedPlayerLevel kLevels[kScriptedPlayerLevels] = {
    {"weak", 0.28f, 0.25f, false, 62.0f, 8.0f, 13.5f, 0.12f, 15.0f},
    {"average", 0.20f, 0.5f, true, 100.0f, 12.0f, 10.0f, 0.08f, 20.0f},
    {"good", 0.14f, 1.0f, true, 160.0f, 18.0f, 5.0f, 0.03f, 90.0f},
};

constexpr std::size_t kHistory = 1200;       // sub-steps: more than the slowest reaction
constexpr float kHalfWidth = kTableWidth * 0.5f;
constexpr float kSlowBall = 4.0f;
// The click shot: the feet wind back to -0.5 rad in 10 ms at click speed 8 and strike
// through +0.5 in 20 ms. The button is held at least this long before it comes up.
constexpr float kShortestHold = 0.025f;
constexpr float kLongestHold = 0.6f;
constexpr float kRecovery = 0.08f;
// Where a ball lies for the held rod's strike, ahead of the rod's axis.
constexpr float kStrikeNear = 1.0f;
constexpr float kStrikeFar = 5.5f;
constexpr float kStrikeLine = 3.5f;
constexpr float kStrikeLead = 0.06f;         // s: an oncoming ball is met this early
constexpr float kLinedUp = 0.6f;             // units: the rod this near its line-up shoots
// A ball lying still where the held rod cannot shoot it (just behind the attack, say) is
// claimed dead after this long, as a player presses D.
constexpr float kClaimDeadBallAfter = 2.0f;
// The back tap: a ball lying still this far behind the held rod, for this long, is tapped
// back by feet swung up over the front (kTapLift) and down through it (kTapThrough).
constexpr float kTapNear = 1.5f;
constexpr float kTapFar = 6.5f;
constexpr float kTapAfter = 0.5f;
constexpr float kTapLift = 1.3f;
constexpr float kTapThrough = -0.8f;
// A turn the ball holds up this long is tried the other way round.
constexpr float kStuckTurn = 0.3f;

float foldZ(float z)
{
    if (z < 0.0f) return -z;
    if (z > kTableWidth) return 2.0f * kTableWidth - z;
    return z;
}

} // namespace

const ScriptedPlayerLevel* findScriptedPlayerLevel(const char* name)
{
    for (const ScriptedPlayerLevel& level : kLevels)
        if (std::strcmp(level.name, name) == 0) return &level;
    return nullptr;
}

const ScriptedPlayerLevel& scriptedPlayerLevel(int index)
{
    return kLevels[std::clamp(index, 0, kScriptedPlayerLevels - 1)];
}

void applyNewProfileSettings(AssistedControl& control)
{
    control.rotationLimits = false;
    control.clickRotationSpeed = 8;
    control.reversedRotation = 0;
    control.assisted = true;
    control.selectionMode = kSelectionAuto;
    control.setMouseSensitivities(8, 8);
}

ScriptedPlayer::ScriptedPlayer(const ScriptedPlayerLevel& level, const AssistedControl& control,
                               std::uint32_t seed)
    : level_(level), control_(control), random_(seed * 2654435761u + 12345u), history_(kHistory)
{
}

float ScriptedPlayer::uniform()
{
    random_ = random_ * 1664525u + 1013904223u;
    return static_cast<float>(random_ >> 8) / static_cast<float>(1u << 24);
}

void ScriptedPlayer::beginFrame(float) {}

ScriptedPlayer::Seen ScriptedPlayer::perceivedBall() const
{
    std::size_t back = static_cast<std::size_t>(level_.reactionTime / subStep_ + 0.5f);
    back = std::min(back, filled_ ? filled_ - 1 : 0);
    Seen seen = history_[(head_ + kHistory - 1 - back) % kHistory];
    // What the eye makes of the path since: straight on, off a side wall.
    float ahead = level_.lookAhead * level_.reactionTime;
    seen.x += seen.vx * ahead;
    seen.z = foldZ(seen.z + seen.vz * ahead);
    return seen;
}

float ScriptedPlayer::targetZ(const Seen& ball, float rodX) const
{
    float d = ball.x - rodX;
    if (level_.predictsCrossing && std::fabs(ball.vx) > kSlowBall && d * ball.vx < 0.0f)
        return foldZ(ball.z + ball.vz * (-d / ball.vx));
    return ball.z;
}

float ScriptedPlayer::shiftFor(int rod, float z, float& offset) const
{
    const Rod& r = control_.rods[rod];
    const float* offsets = control_.simulation->teams[control_.playsTeam1() ? 1 : 0].figureOffsets;
    float travel = kHalfWidth - r.endMargin;
    float best = 0.0f;
    float bestCost = 1e9f;
    for (int k = 0; k < r.figureCount; ++k) {
        float needed = std::clamp(z - offsets[r.firstFigure + k] - kHalfWidth, -travel, travel);
        // A figure that cannot get all the way is worth less than one that can.
        float miss = std::fabs(z - (offsets[r.firstFigure + k] + kHalfWidth + needed));
        float cost = std::fabs(r.shift - needed) + 100.0f * miss;
        if (cost < bestCost) {
            bestCost = cost;
            best = needed;
            offset = offsets[r.firstFigure + k];
        }
    }
    return best;
}

RodCommand ScriptedPlayer::next(float s)
{
    subStep_ = s > 0.0f ? s : subStep_;
    OwnFrameVector p = control_.ballPositionOwn();
    OwnFrameVector v = control_.ballVelocityOwn();
    history_[head_] = {p.x, p.z, v.x, v.z};
    head_ = (head_ + 1) % kHistory;
    filled_ = std::min(filled_ + 1, kHistory);
    stillFor_ = v.x * v.x + v.z * v.z < 0.0001f ? stillFor_ + s : 0.0f;

    RodCommand command;
    int rod = control_.chosenRod >= 0 ? control_.chosenRod : 2;
    // A fresh line-up error for every new rod and after every shot.
    if (rod != heldRod_ || newAim_) {
        aim_ = (uniform() - 0.5f) * level_.aimError;
        heldRod_ = rod;
        newAim_ = false;
    }

    const Seen ball = perceivedBall();
    const Rod& held = control_.rods[rod];
    float z = targetZ(ball, held.position);
    // Struck a little off its centre the ball leaves towards the middle of the goal.
    float dx = kTableLength - ball.x;
    float dz = kHalfWidth - ball.z;
    float aimOffset = -1.5f * std::sin(1.8f * std::atan2(dz, std::max(dx, 1.0f)));
    float offset = 0.0f;
    float wanted = shiftFor(rod, z + aimOffset + aim_, offset);

    float step = std::clamp(wanted - held.shift, -level_.handSpeed * s, level_.handSpeed * s);
    command.shift = -step / control_.shiftSensitivity;

    // Lined up as well as this hand can tell: the rod has got where the hand sent it.
    const bool linedUp = std::fabs(wanted - held.shift) < kLinedUp;
    updateShot(ball, rod, linedUp, command);
    if (shot_ == Shot::Idle) startBackTap(ball, rod, linedUp);
    if (shot_ == Shot::TapLift || shot_ == Shot::TapSwing) {
        command.turn = backTapTurn(held, s);
    } else if (shot_ == Shot::Idle) {
        // Between shots the hand brings the figures upright. Feet that will not come down
        // (a ball under them) are turned on the other way round, over the top.
        float angle = std::remainder(held.angle, 6.2831853f);
        stuckFor_ = std::fabs(held.angle - lastAngle_) < 1e-6f && std::fabs(angle) > 0.05f ? stuckFor_ + s : 0.0f;
        if (stuckFor_ > kStuckTurn) {
            overTheTop_ = angle > 0.0f ? 1.0f : -1.0f;
            stuckFor_ = 0.0f;
        }
        float want = overTheTop_ != 0.0f ? overTheTop_ * 6.2831853f : -angle;
        if (overTheTop_ != 0.0f && (std::fabs(angle) < 0.3f || rod != heldRodForTurn_)) overTheTop_ = 0.0f;
        float turn = std::clamp(want, -level_.turnSpeed * s, level_.turnSpeed * s);
        command.turn = -turn / control_.rotationSensitivity;
    }
    lastAngle_ = held.angle;
    heldRodForTurn_ = rod;
    return command;
}

void ScriptedPlayer::startBackTap(const Seen& ball, int rod, bool linedUp)
{
    // A ball lying still just behind the held rod, out of the reach of the rod behind: the
    // feet go up over the front and come down behind, tapping it back gently.
    const float behind = control_.rods[rod].position - ball.x;
    const bool still = ball.vx * ball.vx + ball.vz * ball.vz < 4.0f && stillFor_ > kTapAfter;
    if (rod < 1 || !still || !linedUp || behind < kTapNear || behind > kTapFar) return;
    if (ball.x - control_.rods[rod - 1].position < kStrikeFar) return;
    // Slow enough to stop about four units in front of the rod behind.
    float distance = ball.x - (control_.rods[rod - 1].position + 4.0f);
    float speed = 1.0f;
    while (speed < 14.0f && speed / 0.26f - 1.5f / (0.26f * 0.26f) * std::log(1.0f + 0.26f * speed / 1.5f) < distance)
        speed += 0.25f;
    tapSpeed_ = std::clamp(speed / (1.3f * kFootArm), 0.6f, level_.turnSpeed);
    shot_ = Shot::TapLift;
    shotTime_ = 0.0f;
}

float ScriptedPlayer::backTapTurn(const Rod& held, float s)
{
    const float angle = std::remainder(held.angle, 6.2831853f);
    float target = shot_ == Shot::TapLift ? kTapLift : kTapThrough;
    float speed = shot_ == Shot::TapLift ? level_.turnSpeed : tapSpeed_;
    float wanted = target - angle;
    // Feet already turned back past the tap's end hang over the ball: lifting them the short
    // way would press them down on it and hold it there, so a player lifts them on
    // backwards, over the top.
    if (shot_ == Shot::TapLift && angle < kTapThrough) wanted -= 6.2831853f;
    float turn = std::clamp(wanted, -speed * s, speed * s);
    if (std::fabs(target - angle) < 0.02f || shotTime_ > 1.5f) {
        shot_ = shot_ == Shot::TapLift ? Shot::TapSwing : Shot::Recovering;
        shotTime_ = 0.0f;
        newAim_ = true;
    }
    return -turn / control_.rotationSensitivity;
}

bool ScriptedPlayer::wantsDeadBall()
{
    if (stillFor_ < kClaimDeadBallAfter) return false;
    stillFor_ = 0.0f;
    return true;
}

void ScriptedPlayer::updateShot(const Seen& ball, int rod, bool linedUp, RodCommand& command)
{
    const float rodX = control_.rods[rod].position;
    const float ahead = ball.x - rodX;
    const float oncoming = -ball.vx;
    shotTime_ += subStep_;
    switch (shot_) {
    case Shot::Idle: {
        // An oncoming ball is met a little before it reaches the strike line.
        float reach = kStrikeFar + std::max(0.0f, oncoming) * kStrikeLead;
        bool inFront = ahead > kStrikeNear && ahead < reach && ball.vx < 30.0f;
        if (inFront && linedUp && oncoming < level_.volleySpeed) {
            shot_ = Shot::Holding;
            shotTime_ = 0.0f;
            releaseDelay_ = uniform() * level_.releaseJitter;
            command.shoot = true;
        }
        return;
    }
    case Shot::Holding: {
        command.shoot = true;
        if (shotTime_ < kShortestHold + releaseDelay_) return;
        bool ready = ahead > kStrikeNear && ahead < kStrikeLine + std::max(0.0f, oncoming) * kStrikeLead * 0.5f;
        bool lost = ahead < 0.0f || ahead > kStrikeFar + 3.0f;
        if (ready || lost || shotTime_ > kLongestHold) {
            command.shoot = false;
            shot_ = Shot::Recovering;
            shotTime_ = 0.0f;
            newAim_ = true;
        }
        return;
    }
    case Shot::Recovering:
        if (shotTime_ > kRecovery) shot_ = Shot::Idle;
        return;
    case Shot::TapLift:
    case Shot::TapSwing:
        return;
    }
}
