#include "match/MatchFaultWatch.h"

#include "control/AssistedControl.h"
#include "control/UserControlledState.h"
#include "simulation/TableGeometry.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kStill = 0.05f;           // units/s
constexpr float kFreeze = 1.0f;           // s
constexpr float kContact = kBallRadius + kFootRadius + 0.05f;
constexpr float kRodReach = 8.6f;
constexpr float kHeadingHome = 8.0f;      // units/s towards the own goal
constexpr float kFlipBackTime = 0.5f;
constexpr float kMoving = 0.5f;           // units/s of the foot: a rod that is not still
// A push into the own goal is the rod's when its foot brought at least this share of the
// speed at which foot and ball met; otherwise the ball only bounced off it.
constexpr float kFootShare = 0.25f;
} // namespace

MatchFaultWatch::MatchFaultWatch(const Match& match, int playerTeam, const AssistedControl* player)
    : match_(match), playerTeam_(playerTeam), player_(player)
{
    notifications_ = match.simulation.notificationCount;
    previousVx_ = match.simulation.ballVelocity.x;
}

void MatchFaultWatch::afterSubStep(float s)
{
    watchFreeze(s);
    if (playerTeam_ >= 0) watchOwnGoals();
    if (player_) watchRodChoice(s);
    notifications_ = match_.simulation.notificationCount;
    previousVx_ = match_.simulation.ballVelocity.x;
}

void MatchFaultWatch::watchFreeze(float s)
{
    const Simulation& sim = match_.simulation;
    bool under = false;
    if (sim.state == InPlay && std::sqrt(dot(sim.ballVelocity, sim.ballVelocity)) < kStill) {
        for (int t = 0; t < 2 && !under; ++t) {
            const Team& team = sim.teams[t];
            for (const Rod& rod : team.rods) {
                float footX = rod.position + kFootArm * std::sin(rod.angle);
                if (t == 1) footX = sim.length - footX;
                float footY = kRodAxisHeight - kFootArm * std::cos(rod.angle);
                for (int k = 0; k < rod.figureCount; ++k) {
                    float z = sim.width * 0.5f + rod.shift + team.figureOffsets[rod.firstFigure + k];
                    if (t == 1) z = sim.width - z;
                    Vector3 toBall = sim.ballPosition - Vector3(footX, footY, z);
                    float distance = std::sqrt(dot(toBall, toBall));
                    float horizontal = std::sqrt(toBall.x * toBall.x + toBall.z * toBall.z);
                    if (distance < kContact && horizontal < 0.5f * distance) {
                        under = true;
                        underTeam_ = t;
                    }
                }
            }
        }
    }
    if (!under) {
        stillUnderFoot_ = 0.0f;
        freezeCounted_ = false;
        return;
    }
    stillUnderFoot_ += s;
    if (stillUnderFoot_ >= kFreeze && !freezeCounted_) {
        ++counts.freezes;
        if (underTeam_ == playerTeam_) ++counts.freezesPlayer;
        freezeCounted_ = true;
    }
}

void MatchFaultWatch::watchOwnGoals()
{
    const Simulation& sim = match_.simulation;
    const int computer = 1 - playerTeam_;
    // Towards the computer's own goal: +x for team 1, -x for team 0.
    const float home = computer == 1 ? 1.0f : -1.0f;
    if (sim.notificationCount != notifications_ && sim.lastTouchTeam == computer && sim.state == InPlay) {
        int nearest = -1;
        float nearestDistance = kRodReach;
        for (int k = 0; k < 4; ++k) {
            float rodX = sim.teams[computer].rods[k].position;
            if (computer == 1) rodX = sim.length - rodX;
            float distance = std::fabs(sim.ballPosition.x - rodX);
            if (distance < nearestDistance) {
                nearestDistance = distance;
                nearest = k;
            }
        }
        if (nearest >= 0) {
            bool wasHeadingHome = home * previousVx_ > kHeadingHome;
            bool headsHome = home * sim.ballVelocity.x > kHeadingHome;
            if (headsHome && !wasHeadingHome) {
                pushedHome_ = true;
                pushRod_ = footPushed(computer, nearest) ? nearest : -1;
            } else if (!headsHome) {
                pushedHome_ = false;
            }
        }
    }
    if (sim.score[playerTeam_] != playerScore_) {
        playerScore_ = sim.score[playerTeam_];
        if (sim.lastTouchTeam == computer && pushedHome_) {
            if (pushRod_ < 0)
                ++counts.ownGoalsRebound;
            else if (pushRod_ == 0)
                ++counts.ownGoalsKeeper;
            else if (pushRod_ == 1)
                ++counts.ownGoalsDefence;
            else
                ++counts.ownGoalsOther;
        }
        pushedHome_ = false;
    }
}

bool MatchFaultWatch::footPushed(int team, int rodIndex) const
{
    // The foot nearest the ball, and its own speed along the line to the ball's centre.
    const Simulation& sim = match_.simulation;
    const Team& t = sim.teams[team];
    const Rod& rod = t.rods[rodIndex];
    const float sign = team == 0 ? 1.0f : -1.0f;
    float footX = rod.position + kFootArm * std::sin(rod.angle);
    if (team == 1) footX = sim.length - footX;
    float best = 1e9f;
    float nx = 0.0f, nz = 0.0f;
    for (int k = 0; k < rod.figureCount; ++k) {
        float z = sim.width * 0.5f + rod.shift + t.figureOffsets[rod.firstFigure + k];
        if (team == 1) z = sim.width - z;
        float dx = sim.ballPosition.x - footX;
        float dz = sim.ballPosition.z - z;
        float d = std::sqrt(dx * dx + dz * dz);
        if (d < best && d > 0.0f) {
            best = d;
            nx = dx / d;
            nz = dz / d;
        }
    }
    float fvx = sign * rod.angularVelocity * kFootArm * std::cos(rod.angle);
    float fvz = sign * rod.shiftVelocity;
    float footClosing = fvx * nx + fvz * nz;
    // The ball's own speed into the foot, as it came (vz after the contact is close enough:
    // a rebound off the back of a figure mostly turns vx).
    float ballClosing = -(previousVx_ * nx + sim.ballVelocity.z * nz);
    return footClosing > kMoving && footClosing >= kFootShare * (footClosing + std::max(0.0f, ballClosing));
}

void MatchFaultWatch::watchRodChoice(float s)
{
    sinceChange_ += s;
    int now = player_->chosenRod;
    if (chosen_ >= 0 && now >= 0 && now != chosen_) {
        ++counts.handOvers;
        if (now == left_ && sinceChange_ < kFlipBackTime) ++counts.flipBacks;
        if (shotUnderWay_) ++counts.clicksDropped;
        left_ = chosen_;
        sinceChange_ = 0.0f;
    }
    chosen_ = now;
    const ControlState* held = now >= 0 ? player_->states[now] : nullptr;
    bool clickRuns = held && held->typeId() == kUserControlledStateType &&
                     static_cast<const UserControlledState*>(held)->clickPhase != kClickFree;
    shotUnderWay_ = player_->command.shoot || clickRuns;
}
