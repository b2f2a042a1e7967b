#include "control/FoosballAI.h"

#include "control/AState.h"
#include "control/FState.h"
#include "control/SState.h"
#include "core/GameRandom.h"
#include "simulation/TableGeometry.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kSlowBallSpeed = 4.0f;
constexpr float kStrikeLineOffset = 3.3f;   // ball radius 1.8 + foot radius 1.5
constexpr float kSlowReach = 7.5f;
// A slow ball further behind a rod than this is not the rod's to strike: swinging at it
// would knock it towards the rod's own goal, or come down on top of it.
constexpr float kSlowReachBehind = 1.0f;
// A tap back to the rod behind: the ball should come to rest this far in front of that
// rod's figures, and never leaves faster than a gentle roll.
constexpr float kBackPassLanding = 4.0f;
constexpr float kBackPassMaxSpeed = 14.0f;
// The feet swing from this angle in front to the same angle behind: less than a quarter
// turn each way, so the strike always turns the short way, down through the ball and not
// over the top, and the feet reach a ball up to this far behind the rod.
constexpr float kBackPassSwing = 1.2f;
constexpr float kBackPassReach = 6.5f;
// Feet turned back between these angles hang over a ball lying behind the rod; beyond the
// second they are on their way over the top.
constexpr float kFeetOverBall = 0.8f;
constexpr float kFeetOverTheTop = 2.5f;
// Turning backwards, the feet sweep a ball up to about this far behind the rod.
constexpr float kFeetReachBehind = 7.0f;
// Turned back this far the feet pass above a ball on the flat (foot 6.8 - 5 cos 1.25 = 5.2
// high, more than ball and foot radii above the ball's centre).
constexpr float kFeetClearAngle = 1.25f;
// The table's rolling friction (speed lost per second: 0.26 of the speed plus 1.5), and
// about how much faster than the foot a resting ball leaves a low, glancing foot.
constexpr float kRollDrag = 0.26f;
constexpr float kRollFriction = 1.5f;
constexpr float kFootToBall = 1.3f;
constexpr float kPassedDistance = 2.0f;
constexpr int32_t kActionAfterglow = 400;   // updates, about 0.4 s
constexpr float kHalfWidth = 33.2f;
constexpr float kTravelSlack = 1.0f;        // a figure may be sought 1.0 beyond the end stop
constexpr float kPassAimZ = 1.2f;
// A resting ball only pushed on leaves the foot at about 14 units/s and rolls some 25 units:
// into the reach of the other side's rods in front of it, seldom into a goal.
constexpr float kGentlePush = 2.1f;  // rad/s

float randomUnit()
{
    return static_cast<float>(gameRandom()) / static_cast<float>(kGameRandomMax);
}
} // namespace

FoosballAI::FoosballAI(const OpponentParameters& p)
{
    useParameters(p);
}

void FoosballAI::useParameters(const OpponentParameters& p)
{
    rotationSpeed = p.rotationSpeed;
    shiftSpeed = p.shiftSpeed;
    strikeSpeed = p.strikeSpeed;
    lowerDistance = p.lowerDistance;
    liftDistance = p.liftDistance;
    reactionTime = p.reactionTime;
    actSpeed = p.actSpeed;
    blockSpeed = p.blockSpeed;
    aimErrorMoving = p.aimErrorMoving;
    aimErrorResting = p.aimErrorResting;
    goalieTracking = p.goalieTracking;
    trackingRange = p.trackingRange;
    passChance = p.passChance;
    restingPushChance = p.restingPushChance;
    defenceReactionDelay = p.defenceReactionDelay;
    goalkeeperReactionDelay = p.goalkeeperReactionDelay;
    deadBallTime = p.deadBallTime;
}

void FoosballAI::initStates()
{
    for (int i = 0; i < 4; ++i) putOnGuard(i);
    finishPass();
}

void FoosballAI::update(float dt)
{
    if (updateCounter == 0) decide();
    updateCounter = (updateCounter + 1) % 10;
    FoosballControl::update(dt);
}

void FoosballAI::putOnGuard(int i)
{
    bool goalkeeper = i == 0;
    installState(i, new FState(&rods[i], this, goalkeeper && goalieTracking,
                               goalkeeper ? trackingRange : 0.0f, 0.0f, rotationSpeed,
                               0.8f * shiftSpeed));
}

void FoosballAI::endPendingAction()
{
    if (pendingRod >= 0 && states[pendingRod]) states[pendingRod]->countdown = kActionAfterglow;
    pendingRod = -1;
}

float FoosballAI::ballSpeed() const
{
    return std::sqrt(ballVx * ballVx + ballVz * ballVz);
}

void FoosballAI::decide()
{
    previousBallX = ballX;
    previousBallZ = ballZ;
    OwnFrameVector position = ballPositionOwn();
    OwnFrameVector velocity = ballVelocityOwn();
    ballX = position.x;
    ballZ = position.z;
    ballVx = velocity.x;
    ballVz = velocity.z;

    for (int i = 0; i < 4; ++i)
        if (states[i] && states[i]->countdown == 0) putOnGuard(i);

    if (changed) {
        changed = false;
        if (pendingRod >= 0) endPendingAction();
    }

    if (pendingRod >= 0) {
        float rodX = rods[pendingRod].position;
        if (std::fabs(previousBallX - rodX) < kPassedDistance && std::fabs(ballX - rodX) >= kPassedDistance)
            endPendingAction();
    }

    // A strike that has swung through without touching the ball (a touch would have ended
    // the action already) leaves nothing to wait for: plan afresh.
    if (pendingRod >= 0 && states[pendingRod] && states[pendingRod]->typeId() == kSStateType &&
        static_cast<const SState*>(states[pendingRod])->struck)
        endPendingAction();

    for (int i = 1; i < 4; ++i) {
        bool lifted = states[i] && states[i]->typeId() == kAStateType;
        // Lifting turns the feet backwards: not while they would come down on a ball lying
        // or rolling back just behind the rod, which they would knock hard at the own goal,
        // nor, for the defence, while a ball coming out from behind reaches them before
        // they are up.
        float behind = rods[i].position - ballX;
        bool underFeet = (behind < kFeetReachBehind && ballVx <= 0.0f) || reachesFeetDuringLift(i);
        if (behind >= liftDistance && !lifted && !underFeet && i != pendingRod)
            installState(i, new AState(&rods[i], this, -kHalfPi, rotationSpeed));
        // A ball coming back out of the goal area meets a defence still lifting: it stands
        // up again rather than sweep its feet into the ball.
        else if (lifted && reachesFeetDuringLift(i) &&
                 static_cast<const AState*>(states[i])->targetAngle == -kHalfPi &&
                 std::remainder(rods[i].angle, kTwoPi) > -kFeetClearAngle)
            putOnGuard(i);
    }

    if (pendingRod < 0 && ballVx < actSpeed) chooseAction();

    for (int i = 0; i < 4; ++i) {
        bool lifted = states[i] && states[i]->typeId() == kAStateType;
        if (ballX - rods[i].position >= lowerDistance && lifted) putOnGuard(i);
    }

    reportDeadBallIfStuck();
    finishPass();
}

void FoosballAI::chooseAction()
{
    for (int i = 3; i >= 0; --i) {
        if (!canReach(i)) continue;
        if (feetHangInFront(i)) {
            // Wound up the short way the feet would come down on top of the ball and hold it
            // there; they go on forwards over the top first, and the shot winds up from
            // behind.
            bool overTheTop = states[i] && states[i]->typeId() == kAStateType &&
                              static_cast<const AState*>(states[i])->targetAngle == kPi;
            if (!overTheTop) installState(i, new AState(&rods[i], this, kPi, rotationSpeed));
            return;
        }
        pendingRod = i;
        if (std::fabs(ballVx) > blockSpeed)
            block(i);
        else
            shoot(i);
        return;
    }
    // No rod can strike the ball. One lying still just behind a rod is not left for dead:
    // that rod taps it back softly, so it rolls into the reach of the rod behind. The
    // goalkeeper has nothing behind it but its own goal: it taps nothing back, but its feet
    // do not stay on such a ball either.
    for (int i = 3; i >= 0; --i) {
        if (!liesJustBehind(i)) continue;
        if (feetHangBehind(i)) {
            // Turning forward from there the feet would come down on top of the ball and
            // trap it; they go on backwards over the top first, so the tap comes from in
            // front of the ball (the goalkeeper's feet turn up off the ball and let it lie).
            bool overTheTop = states[i] && states[i]->typeId() == kAStateType &&
                              static_cast<const AState*>(states[i])->targetAngle == -kPi;
            if (!overTheTop) installState(i, new AState(&rods[i], this, -kPi, rotationSpeed));
        } else if (i >= 1 && passBack(i)) {
            pendingRod = i;
        }
        return;
    }
}

bool FoosballAI::liesJustBehind(int i) const
{
    float behind = rods[i].position - ballX;
    return ballSpeed() <= kSlowBallSpeed && behind >= kSlowReachBehind && behind < kBackPassReach;
}

bool FoosballAI::reachesFeetDuringLift(int i) const
{
    // The defence, the last rod before the goalkeeper: a ball knocked back from there goes
    // into the own goal. Standing, its feet bounce such a ball back no harder than the ball
    // came; sweeping back they add their own speed.
    if (i != 1 || ballVx <= 0.0f) return false;
    float behind = rods[i].position - ballX;
    if (behind <= 0.0f) return false;
    // The feet sweep the ball until they are turned back this far; the lift gets there
    // from the rod's present angle at the rod's turning speed.
    float toClear = std::max(0.0f, kFeetClearAngle + std::remainder(rods[i].angle, kTwoPi));
    float liftTime = rotationSpeed > 0.0f ? toClear / rotationSpeed : 0.0f;
    float arrival = std::max(0.0f, behind - kFeetReachBehind) / ballVx;
    return arrival < liftTime;
}

bool FoosballAI::feetHangBehind(int i) const
{
    float angle = std::remainder(rods[i].angle, kTwoPi);
    return angle < -kFeetOverBall && angle > -kFeetOverTheTop;
}

bool FoosballAI::feetHangInFront(int i) const
{
    float angle = std::remainder(rods[i].angle, kTwoPi);
    float ahead = ballX - rods[i].position;
    return ballSpeed() <= kSlowBallSpeed && ahead > 0.0f && ahead < kFeetReachBehind && angle > kFeetOverBall &&
           angle < kFeetOverTheTop;
}

float FoosballAI::backPassSpeed(int i) const
{
    // The speed from which a ball rolls to a stop just in front of the rod behind; how far
    // a ball rolls from speed v is v/k - (c/k^2) ln(1 + k v / c).
    float distance = ballX - (rods[i - 1].position + kBackPassLanding);
    float speed = 0.0f;
    while (speed < kBackPassMaxSpeed) {
        float rolled = speed / kRollDrag -
                       kRollFriction / (kRollDrag * kRollDrag) * std::log(1.0f + kRollDrag * speed / kRollFriction);
        if (rolled >= distance) break;
        speed += 0.25f;
    }
    return std::min(speed, kBackPassMaxSpeed);
}

bool FoosballAI::passBack(int i)
{
    float shift = 0.0f;
    float strikeX = 0.0f;
    float strikeZ = 0.0f;
    if (!findFigure(i, ballZ, shift, strikeX, strikeZ)) return false;
    float margin = rods[i].endMargin;
    auto* state = new SState(&rods[i], this);
    state->targetShift = std::clamp(shift, margin - kHalfWidth, kHalfWidth - margin);
    state->strikePointX = strikeX;
    state->strikePointZ = strikeZ;
    // Wound up with the feet in front, the strike swings them back through the ball.
    state->windUpAngle = -kBackPassSwing;
    state->rotationSpeed = rotationSpeed;
    state->shiftSpeed = shiftSpeed;
    state->strikeSpeed = std::min(strikeSpeed, backPassSpeed(i) / (kFootToBall * kFootArm));
    installState(i, state);
    return true;
}

void FoosballAI::reportDeadBallIfStuck()
{
    // A resting ball that only this side can reach, for long enough: this side restarts
    // play with its goalkeeper. The other side's reach is judged in its own frame.
    int own = playsTeam1() ? 1 : 0;
    int other = 1 - own;
    Vector3 ownPoint(ballX, 0.0f, ballZ);
    Vector3 otherPoint(simulation->length - ballX, 0.0f, simulation->width - ballZ);
    if (!simulation->inReach(other, otherPoint) && simulation->inReach(own, ownPoint) &&
        simulation->regionTime > deadBallTime && ballSpeed() < 0.001f)
        simulation->reportDeadBall(own);
}

bool FoosballAI::canReach(int i) const
{
    float rodX = rods[i].position;
    if (ballSpeed() > kSlowBallSpeed) {
        float d = ballX - rodX;
        if (d * ballVx >= 0.0f) return false;  // not heading for the rod's line
        float t = -d / ballVx;
        // The goalkeeper and the defence of a beginner see a ball coming later still.
        float reaction = reactionTime;
        if (i == 0) reaction += goalkeeperReactionDelay;
        if (i == 1) reaction += defenceReactionDelay;
        return reaction < t;
    }
    return std::fabs(rodX - ballX) < kSlowReach && ballX - rodX > -kSlowReachBehind;
}

float FoosballAI::crossingZ(int i) const
{
    if (ballVx == 0.0f) return ballZ;  // never asked so, but no division by zero either
    float width = simulation->width;
    float z = ((rods[i].position + kStrikeLineOffset) - ballX) / ballVx * ballVz + ballZ;
    if (z < 0.0f)
        z = -z;
    else if (z > width)
        z = 2.0f * width - z;
    return z;
}

bool FoosballAI::findFigure(int i, float z, float& shift, float& strikeX, float& strikeZ) const
{
    float width = simulation->width;
    if (z <= 0.0f || z >= width) return false;
    const Rod& rod = rods[i];
    const float* offsets = simulation->teams[playsTeam1() ? 1 : 0].figureOffsets;
    float margin = rod.endMargin;
    float limit = kHalfWidth + kTravelSlack;
    float bestCost = 999.0f;
    int chosen = -1;
    float chosenShift = 0.0f;
    for (int k = 0; k < rod.figureCount; ++k) {
        float needed = z - offsets[rod.firstFigure + k] - width / 2.0f;
        if (needed + margin > limit || needed - margin < -limit) continue;
        float cost = std::fabs(rod.shift - needed);
        if (cost < bestCost) {
            bestCost = cost;
            chosen = k;
            chosenShift = needed;
        }
    }
    if (chosen < 0) return false;
    shift = chosenShift;
    strikeX = rod.position;
    strikeZ = z;
    return !(shift + margin - kHalfWidth > kTravelSlack || shift - margin + kHalfWidth < -kTravelSlack);
}

void FoosballAI::block(int i)
{
    float shift = 0.0f;
    float strikeX = 0.0f;
    float strikeZ = 0.0f;
    if (!findFigure(i, crossingZ(i), shift, strikeX, strikeZ)) shift = 0.0f;
    installState(i, new FState(&rods[i], this, false, 0.0f, shift, rotationSpeed, shiftSpeed));
}

void FoosballAI::shoot(int i)
{
    float width = simulation->width;
    bool pass = false;
    if (i == 2) pass = passChance > randomUnit();

    // A pass crosses to the other half; a shot aims from the ball at the goal's centre.
    float dx = 1.0f;
    float dz = 0.0f;
    if (pass) {
        dz = ballZ < width / 2.0f ? kPassAimZ : -kPassAimZ;
    } else {
        dx = simulation->length - ballX;
        dz = width / 2.0f - ballZ;
    }
    float len = std::sqrt(dx * dx + dz * dz);
    if (len < 0.000001f) {
        dx = 1.0f;
        dz = 0.0f;
        len = 1.0f;
    }
    // The lateral offset between figure and ball that deflects the strike that way.
    float aimOffset = -1.5f * std::sin(1.8f * std::atan2(dz / len, dx / len));

    float shift = 0.0f;
    float strikeX = rods[i].position;
    float strikeZ = ballZ;
    float error = 0.0f;
    float windUp = kHalfPi;
    float strike = strikeSpeed;
    if (ballSpeed() <= kSlowBallSpeed) {
        // No figure can get to the ball: the rod stays as it is, and pending.
        if (!findFigure(i, ballZ, shift, strikeX, strikeZ)) return;
        if (!pass) error = (randomUnit() - 0.5f) * aimErrorResting;
        // A beginner often does not shoot a resting ball at all but pushes it on.
        if (restingPushChance > 0.0f && randomUnit() < restingPushChance) strike = std::min(strike, kGentlePush);
    } else {
        float crossing = crossingZ(i);
        strikeZ = crossing;
        if (!findFigure(i, crossing, shift, strikeX, strikeZ)) {
            // Out of every figure's reach: the rod goes for the middle of its travel.
            shift = 0.0f;
            aimOffset = 0.0f;
        }
        if (!pass) error = (randomUnit() - 0.5f) * aimErrorMoving;
        windUp = ballVx >= 0.0f ? kHalfPi : 0.5f;
        if (pass) strike = strikeSpeed / 3.0f;
    }
    float margin = rods[i].endMargin;
    auto* state = new SState(&rods[i], this);
    state->targetShift = std::clamp(shift + aimOffset + error, margin - kHalfWidth, kHalfWidth - margin);
    state->strikePointX = strikeX;
    state->strikePointZ = strikeZ;
    state->windUpAngle = windUp;
    state->rotationSpeed = rotationSpeed;
    state->shiftSpeed = shiftSpeed;
    state->strikeSpeed = strike;
    installState(i, state);
}
