#include "simulation/Simulation.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/ErrorLog.h"
#include "simulation/TableSounds.h"

namespace {

struct RodLayout {
    float position;
    int firstFigure;
    int figureCount;
    float endMargin;
};

// Goalkeeper, defence, midfield, attack: the same for both sides in their own frames.
constexpr RodLayout kRodLayout[kRodsPerTeam] = {
    {6.0f, 0, 1, 15.0f},
    {21.0f, 1, 2, 17.0f},
    {51.0f, 3, 5, 27.0f},
    {81.0f, 8, 3, 19.0f},
};
constexpr float kFigureOffsets[kFiguresPerTeam] = {0.0f,   -12.0f, 12.0f, -22.0f, -11.0f, 0.0f,
                                                   11.0f,  22.0f,  -14.0f, 0.0f,  14.0f};

constexpr float kWallRestitution = 0.7f;
constexpr float kSoundFactor = 0.04f;
constexpr float kSoundThreshold = 0.1f;
constexpr float kRodReach = 8.6f;
constexpr float kLateralReach = 3.3f;
constexpr float kGoalLineDepth = 3.8f;    // the centre 2.0 beyond the wall line
constexpr float kGoalBoxDepth = 23.8f;    // 20 further into the goal
constexpr float kInGoalTimeout = 0.5f;
constexpr float kKickOffDelay = 2.7f;

float clampf(float v, float lo, float hi) { return std::min(std::max(v, lo), hi); }

// The Simulation's `length` field hides the vector function of that name.
float magnitude(const Vector3& v) { return std::sqrt(dot(v, v)); }

} // namespace

Simulation::Simulation() {
    for (Team& team : teams) {
        for (int k = 0; k < kRodsPerTeam; ++k) {
            Rod& rod = team.rods[k];
            rod = Rod{};
            rod.position = kRodLayout[k].position;
            rod.firstFigure = kRodLayout[k].firstFigure;
            rod.figureCount = kRodLayout[k].figureCount;
            rod.endMargin = kRodLayout[k].endMargin;
        }
        std::copy(std::begin(kFigureOffsets), std::end(kFigureOffsets), team.figureOffsets);
    }
    rimK0 = {0.0f, 0.0f};
    rimK1 = {0.0f, 18.0f};
    rimK2 = {21.0f, 4.0f};
    rimHeight = 1.4f;
    float nx = -(rimK2.z - rimK1.z);
    float nz = rimK2.x - rimK1.x;
    float nl = std::sqrt(nx * nx + nz * nz);
    rimNormal = {nx / nl, nz / nl};
    rimDistance = rimNormal.x * (rimK2.x - rimK0.x) + rimNormal.z * (rimK2.z - rimK0.z);
    ballPosition = {length * 0.5f, kBallRadius, width * 0.5f};
}

// ---------------------------------------------------------------------------------------
// Placement

void Simulation::placeBall(float x, float z) {
    ballPosition = {x, kBallRadius, z};
    ballVelocity = {};
    spinAngle = 0.0f;
    spinRate = 0.0f;
    ballAtRest = true;
    restRegion = reachRegion();
    stateTimer = 0.0f;
    regionTime = 0.0f;
    state = InPlay;
    previousSpeed = 0.0f;
    lastRegion = 0;
    notifyListeners();
}

void Simulation::placeAtRod(int team, int rod) {
    if (team < 0 || team > 1 || rod < 0 || rod >= kRodsPerTeam) {
        logError("Simulation::placeAtRod: no rod " + std::to_string(rod) + " of team " +
                 std::to_string(team));
        return;
    }
    float position = teams[team].rods[rod].position;
    float x = team == 0 ? position + 3.5f : length - position - 3.5f;
    placeBall(x, width * 0.5f);
}

void Simulation::kickOff() {
    lastTouchTeam = kickOffTeam;
    placeAtRod(kickOffTeam, 2);
    if (tableSounds) tableSounds->startRoll();
}

// ---------------------------------------------------------------------------------------
// Reach and dead balls

bool Simulation::inReach(int team, const Vector3& p) const {
    if (team < 0 || team > 1) return false;
    for (int k = 0; k < kRodsPerTeam; ++k) {
        float lo = k == 0 ? 12.0f : 2.2f;
        if (std::fabs(p.x - teams[team].rods[k].position) < 6.3f && lo < p.z && p.z < 66.4f - lo)
            return true;
    }
    return false;
}

int Simulation::reachRegion() const {
    if (inReach(0, ballPosition)) return 0;
    Vector3 own{length - ballPosition.x, ballPosition.y, width - ballPosition.z};
    if (inReach(1, own)) return 1;
    return -1;
}

void Simulation::reportDeadBall(int team) {
    // By index: a listener may register another one while it is told.
    for (std::size_t i = 0; i < deadBallListeners.size(); ++i) deadBallListeners[i]->onDeadBall();
    if (team == -1) team = lastTouchTeam;
    if (team != 0 && team != 1) {
        logError("Simulation::reportDeadBall: no team " + std::to_string(team) +
                 "; restarting at team 0's goalkeeper");
        team = 0;
    }
    placeAtRod(team, 0);
}

// ---------------------------------------------------------------------------------------
// Listeners and sounds

void Simulation::notifyListeners() {
    ++notificationCount;
    for (SimulationListener* listener : simulationListeners) listener->changed = true;
}

void Simulation::addSimulationListener(SimulationListener* listener) {
    simulationListeners.push_back(listener);
}

void Simulation::removeSimulationListener(SimulationListener* listener) {
    auto it = std::find(simulationListeners.begin(), simulationListeners.end(), listener);
    if (it != simulationListeners.end()) simulationListeners.erase(it);
}

void Simulation::addDeadBallListener(DeadBallListener* listener) {
    deadBallListeners.push_back(listener);
}

void Simulation::playRodWallSound(float x, float z, float speed) {
    float volume = clampf(std::fabs(speed) * kSoundFactor, 0.0f, 1.0f);
    if (volume > kSoundThreshold && tableSounds)
        tableSounds->playRodWall(centred({x, 0.0f, z}), volume);
}

Vector3 Simulation::centred(const Vector3& p) const {
    return {p.x - length * 0.5f, p.y, p.z - width * 0.5f};
}

// ---------------------------------------------------------------------------------------
// The step

void Simulation::step(float dt) {
    updateGoalSequence(dt);

    if (state == InPlay) {
        bounceOffWallsAndPosts();
        collideFigures(0, dt);
        collideFigures(1, dt);
        bool onSlope = applyRim(dt);
        applyFriction(dt, onSlope);
    }

    float speed = magnitude(ballVelocity);
    if (speed > kMaxBallSpeed) ballVelocity *= kMaxBallSpeed / speed;

    if (state == InPlay || state == InGoal) {
        ballPosition.x += ballVelocity.x * dt;
        ballPosition.z += ballVelocity.z * dt;
        // The sinking ball stays between the goal box's side walls.
        if (state == InGoal)
            ballPosition.z = clampf(ballPosition.z, (width - kGoalWidth) * 0.5f + kBallRadius,
                                    (width + kGoalWidth) * 0.5f - kBallRadius);
        spinAngle += spinRate * dt;
    }

    if (state == InPlay) {
        updateRegionTime(dt);
        if (tableSounds) tableSounds->updateRoll(ballVelocity, centred(ballPosition));
    }

    for (Team& team : teams) {
        for (Rod& rod : team.rods) {
            rod.previousAngle = rod.angle;
            rod.previousShift = rod.shift;
        }
    }
}

void Simulation::updateRegionTime(float dt) {
    int region = reachRegion();
    if (region == -1 || region == lastRegion) {
        regionTime += dt;
    } else {
        regionTime = 0.0f;
        lastRegion = region;
    }
}

// ---------------------------------------------------------------------------------------
// Goal sequence

void Simulation::updateGoalSequence(float dt) {
    switch (state) {
    case InPlay:
        if (ballPosition.x < -kGoalLineDepth || ballPosition.x > length + kGoalLineDepth) {
            state = InGoal;
            notifyListeners();
            stateTimer = 0.0f;
            if (tableSounds) tableSounds->stopRoll();
        }
        break;
    case InGoal: {
        stateTimer += dt;
        bool far = ballPosition.x > length * 0.5f;
        if (stateTimer > kInGoalTimeout)
            countGoal(far, 0.25f);
        else if (ballPosition.x < -kGoalBoxDepth || ballPosition.x > length + kGoalBoxDepth)
            countGoal(far, clampf(std::fabs(ballVelocity.x) * 0.02f, 0.2f, 1.0f));
        break;
    }
    case AfterGoal:
        stateTimer += dt;
        if (stateTimer > kKickOffDelay) {
            if (score[0] >= winningScore || score[1] >= winningScore)
                state = MatchOver;
            else
                kickOff();
        }
        break;
    case MatchOver:
        break;
    }
}

void Simulation::countGoal(bool far, float volume) {
    if (tableSounds) tableSounds->playScore(far, volume);
    notifyListeners();
    stateTimer = 0.0f;
    state = AfterGoal;
    if (practice) return;
    if (far)
        score[0] += 1;  // team 0 scored into team 1's goal
    else
        score[1] += 1;
    goalPending = true;
    goalByTeam0 = far;
    kickOffTeam = far ? 1 : 0;  // the side scored upon kicks off
}

// ---------------------------------------------------------------------------------------
// Walls, goal mouths and posts

float Simulation::spinExchange(float alongWall) {
    float d = alongWall / kBallRadius - spinRate;
    spinRate += 0.4f * d;
    return 0.45f * d;
}

void Simulation::wallContact(float velocityComponent) {
    notifyListeners();
    float volume = clampf(std::fabs(velocityComponent) * kSoundFactor, 0.0f, 1.0f);
    if (volume > kSoundThreshold && tableSounds)
        tableSounds->playBallWall(centred({ballPosition.x, kBallRadius, ballPosition.z}), volume);
}

void Simulation::postContact(float postX, float postZ) {
    float dx = ballPosition.x - postX;
    float dz = ballPosition.z - postZ;
    float distance = std::sqrt(dx * dx + dz * dz);
    if (distance <= 0.0f) return;  // centre exactly on the post: no direction to push along
    float nx = dx / distance;
    float nz = dz / distance;
    float vn = ballVelocity.x * nx + ballVelocity.z * nz;
    if (vn < 0.0f) {
        wallContact(vn);
        ballVelocity.x -= 1.7f * vn * nx;
        ballVelocity.z -= 1.7f * vn * nz;
        ballVelocity.y = 0.0f;
    }
}

void Simulation::bounceOffEnd(bool far) {
    const float gLo = (width - kGoalWidth) * 0.5f;
    const float gHi = (width + kGoalWidth) * 0.5f;
    const float postX = far ? length + kBallRadius : -kBallRadius;
    Vector3& p = ballPosition;
    Vector3& v = ballVelocity;
    // Still in front of the post line, or already inside the goal box.
    const bool atPostLine = far ? p.x <= postX : p.x >= postX;

    if (p.z <= gLo || p.z >= gHi) {
        if (far ? v.x > 0.0f : v.x < 0.0f) {
            wallContact(v.x);
            v.x = -kWallRestitution * v.x;
            if (far)
                v.z = v.z - spinExchange(v.z);
            else
                v.z = v.z + spinExchange(-v.z);
        }
    } else if (p.z <= gLo + kBallRadius) {
        if (atPostLine) {
            postContact(postX, gLo);
        } else if (v.z < 0.0f) {
            wallContact(v.z);
            v.z = -kWallRestitution * v.z;
        }
    } else if (p.z >= gHi - kBallRadius) {
        if (atPostLine) {
            postContact(postX, gHi);
        } else if (v.z > 0.0f) {
            wallContact(v.z);
            v.z = -kWallRestitution * v.z;
        }
    }
    // Otherwise the ball is in the goal mouth clear of both posts.
}

void Simulation::bounceOffWallsAndPosts() {
    if (ballPosition.x < 0.0f)
        bounceOffEnd(false);
    else if (ballPosition.x > length)
        bounceOffEnd(true);

    Vector3& v = ballVelocity;
    if (v.z < 0.0f && ballPosition.z < 0.0f) {
        wallContact(v.z);
        v.z = -kWallRestitution * v.z;
        v.x = v.x - spinExchange(v.x);
    }
    if (v.z > 0.0f && ballPosition.z > width) {
        wallContact(v.z);
        v.z = -kWallRestitution * v.z;
        v.x = v.x + spinExchange(-v.x);
    }
}

// ---------------------------------------------------------------------------------------
// Figure contacts

bool Simulation::pinBall(int t, Rod& rod, float dt) {
    // The rod's real sideways travel in this step, in table z.
    const float travel = (t == 0 ? 1.0f : -1.0f) * (rod.shift - rod.previousShift);
    const bool turning = rod.angle != rod.previousAngle || rod.angularVelocity != 0.0f;
    // Held still on a ball that lies still: nothing changes and nobody is told.
    if (travel == 0.0f && !turning && ballAtRest && ballVelocity == Vector3{}) return false;
    // A ball dragged into a side wall slips out from under the foot.
    const float z = ballPosition.z + travel;
    if (z < 0.0f || z > width) return false;

    ballAtRest = false;
    lastTouchTeam = t;
    notifyListeners();
    spinRate = 0.0f;
    // The rod cannot turn through the ball.
    rod.angle = rod.previousAngle;
    rod.angularVelocity = 0.0f;
    // The ball moves exactly as far sideways as the rod does in this step, but it rolls on
    // with the foot's own sideways speed: let go, it leaves as fast as the foot moved it,
    // not as fast as one jerky step of the hand.
    const float footSpeed = (t == 0 ? 1.0f : -1.0f) * rod.shiftVelocity;
    ballPosition.z += travel - footSpeed * dt;
    ballVelocity = {0.0f, 0.0f, footSpeed};
    return true;
}

bool Simulation::heldBeforeSlide(int t, const Rod& rod, float& figZ, Vector3& foot, Vector3& toBall,
                                 float& distance) const {
    const float travel = (t == 0 ? 1.0f : -1.0f) * (rod.shift - rod.previousShift);
    // Held up to the foot's own sideways reach in one step: 3.3 units a millisecond, 3,300
    // units/s, about 69,000 mouse counts a second at the default sensitivity, more than a
    // hand dragging a ball gives a mouse. A jerk beyond it leaves the ball behind.
    if (travel == 0.0f || std::fabs(travel) >= kLateralReach) return false;
    const float startZ = figZ - travel;
    if (std::fabs(startZ - ballPosition.z) >= kLateralReach) return false;
    const Vector3 startFoot{foot.x, foot.y, startZ};
    const Vector3 startToBall = ballPosition - startFoot;
    const float startDistance = magnitude(startToBall);
    if (!(startDistance < kBallRadius + kFootRadius)) return false;
    // Only a foot on top of the ball holds it; one beside it had let go already.
    const float horizontal = std::sqrt(startToBall.x * startToBall.x + startToBall.z * startToBall.z);
    if (!(horizontal < 0.5005f * startDistance)) return false;
    figZ = startZ;
    foot = startFoot;
    toBall = startToBall;
    distance = startDistance;
    return true;
}

void Simulation::collideFigures(int t, float dt) {
    const float s = t == 0 ? 1.0f : -1.0f;
    Team& team = teams[t];
    for (Rod& rod : team.rods) {
        const float rodX = t == 0 ? rod.position : length - rod.position;
        if (std::fabs(ballPosition.x - rodX) >= kRodReach) continue;

        const float sinA = std::sin(rod.angle);
        const float cosA = std::cos(rod.angle);
        for (int k = 0; k < rod.figureCount; ++k) {
            const int figure = rod.firstFigure + k;
            if (figure < 0 || figure >= kFiguresPerTeam) break;  // a corrupted rod record
            float figZ = width * 0.5f + rod.shift + team.figureOffsets[figure];
            if (t == 1) figZ = width - figZ;

            float footX = rod.position + kFootArm * sinA;
            if (t == 1) footX = length - footX;
            Vector3 foot{footX, kRodAxisHeight - kFootArm * cosA, figZ};
            Vector3 toBall = ballPosition - foot;
            float distance = magnitude(toBall);
            if (std::fabs(figZ - ballPosition.z) >= kLateralReach || !(distance < kBallRadius + kFootRadius)) {
                // A rod dragged fast moves its foot off a trapped ball before the ball has
                // moved in this step: the foot that held the ball where the step began
                // still holds it.
                if (!heldBeforeSlide(t, rod, figZ, foot, toBall, distance)) continue;
            }

            const float fvx = s * rod.angularVelocity * kFootArm * cosA;
            const float fvz = s * rod.shiftVelocity;
            const float rvx = ballVelocity.x - fvx;
            const float rvz = ballVelocity.z - fvz;
            const float horizontal = std::sqrt(toBall.x * toBall.x + toBall.z * toBall.z);
            if (!(horizontal > 0.0f)) continue;  // foot exactly above or below the centre
            const float nx = toBall.x / horizontal;
            const float nz = toBall.z / horizontal;
            const float vn = rvx * nx + rvz * nz;
            const float hfrac = distance > 0.0f ? horizontal / distance : 0.0f;
            const float q = 2.0f * clampf(hfrac - 0.5f, 0.0f, 1.0f);

            if (q < 0.001f) {
                // The foot is on top of the ball. Along the table the usual test holds: a
                // foot turning away, or a ball rolling out from under it, lets go. Sideways
                // the ball goes with the rod whichever way it slides, so the rod's sideways
                // speed takes no part in that test.
                if ((ballVelocity.x - fvx) * nx > 0.0f) continue;
                // A foot turning up off the ball lets it go too, even while it moves along
                // the table towards the ball: it rises faster than it closes in.
                const float fvy = rod.angularVelocity * kFootArm * sinA;
                if (fvy > 0.0f && (ballVelocity.x - fvx) * toBall.x - fvy * toBall.y > 0.0f) continue;
                if (!pinBall(t, rod, dt)) continue;
            } else {
                if (vn > 0.0f) continue;  // already moving away: a figure never pulls the ball
                // A ball at rest leaning on a still foot: nothing happens, nobody is told.
                if (vn == 0.0f && fvx == 0.0f && fvz == 0.0f && ballAtRest && ballVelocity == Vector3{})
                    continue;

                ballAtRest = false;
                lastTouchTeam = t;
                notifyListeners();

                const float reflect = (1.0f + 0.4f * q) * vn;
                const float rv1x = rvx - reflect * nx;
                const float rv1z = rvz - reflect * nz;

                const float vtx = rvx - vn * nx;
                const float vtz = rvz - vn * nz;
                float targetSpin = std::sqrt(vtx * vtx + vtz * vtz) / kBallRadius;
                if (nx * rvz - nz * rvx > 0.0f) targetSpin = -targetSpin;
                const float ds = targetSpin - spinRate;
                const float rv2x = rv1x - 0.81f * ds * nz;
                const float rv2z = rv1z + 0.81f * ds * nx;

                spinRate += 0.7f * ds;
                ballVelocity = {rv2x + fvx, 0.0f, rv2z + fvz};
            }

            const float volume = clampf(-hfrac * vn * kSoundFactor, 0.0f, 1.0f);
            if (volume > kSoundThreshold && tableSounds) tableSounds->playKick(centred(ballPosition), volume);
        }
    }
}

// ---------------------------------------------------------------------------------------
// Rim, friction and rest

bool Simulation::applyRim(float dt) {
    if (!rimEnabled) return false;
    const bool farHalf = ballPosition.x > length * 0.5f;
    const bool farSide = ballPosition.z > width * 0.5f;
    const float px = (farHalf ? length - ballPosition.x : ballPosition.x) + kBallRadius;
    const float pz = (farSide ? width - ballPosition.z : ballPosition.z) + kBallRadius;

    // Strictly inside the corner triangle K0, K1, K2: on the inner side of all three edges.
    auto side = [](const RimPoint& a, const RimPoint& b, float x, float z) {
        return (b.x - a.x) * (z - a.z) - (b.z - a.z) * (x - a.x);
    };
    const float e0 = side(rimK0, rimK1, px, pz);
    const float e1 = side(rimK1, rimK2, px, pz);
    const float e2 = side(rimK2, rimK0, px, pz);
    const bool insideCorner = (e0 < 0.0f && e1 < 0.0f && e2 < 0.0f) ||
                              (e0 > 0.0f && e1 > 0.0f && e2 > 0.0f);

    float dvx = 0.0f;
    float dvz = 0.0f;
    bool onSlope = false;
    if (px <= rimK2.x && insideCorner) {
        ballPosition.y = kBallRadius +
                         (rimDistance - (rimNormal.x * px + rimNormal.z * pz)) * rimHeight / rimDistance;
        const float a = (rimHeight / rimDistance) * dt * 140.0f;
        dvx = a * rimNormal.x;
        dvz = a * rimNormal.z;
        onSlope = true;
    } else if (pz < rimK2.z) {
        ballPosition.y = kBallRadius + (rimK2.z - pz) * rimHeight / rimK2.z;
        dvz = (rimHeight / rimK2.z) * 140.0f * dt;
        onSlope = true;
    } else {
        ballPosition.y = kBallRadius;
    }
    if (farHalf) dvx = -dvx;
    if (farSide) dvz = -dvz;
    // A ball the slope sets rolling is no longer at rest, even one that was just placed.
    if (onSlope) ballAtRest = false;
    ballVelocity.x += dvx;
    ballVelocity.z += dvz;
    return onSlope;
}

void Simulation::applyFriction(float dt, bool onSlope) {
    const float s = magnitude(ballVelocity);
    if (previousSpeed > 4.0f && s <= 4.0f) notifyListeners();
    previousSpeed = s;

    if (s >= 0.1f || onSlope) {
        const float h = std::sqrt(ballVelocity.x * ballVelocity.x + ballVelocity.z * ballVelocity.z);
        // A ball standing exactly still on a slope has no direction to slow down along.
        if (h > 0.0f) {
            const float amount = (s * 0.26f + 1.5f) * dt;
            ballVelocity.x -= amount * ballVelocity.x / h;
            ballVelocity.z -= amount * ballVelocity.z / h;
        }
        ballVelocity.y = 0.0f;
    } else {
        ballVelocity = {};
        if (!ballAtRest) {
            ballAtRest = true;
            restRegion = reachRegion();
            notifyListeners();
        }
    }

    float a = std::fabs(spinRate);
    if (a >= 0.1f) {
        a -= (a * 0.18f + 0.25f) * dt;
        spinRate = spinRate < 0.0f ? -a : a;
    } else {
        spinRate = 0.0f;
    }
}
