#pragma once
// The physical model of one table: the ball, the eight rods of both teams, walls, goal
// mouths, the optional sloped rim and the goal sequence. The match screen steps it in
// sub-steps of at most 1 ms; controllers write the rods, the display and the opponent read
// everything directly, so every field is public.
#include <cstdint>
#include <vector>

#include "core/math/Vector3.h"
#include "simulation/DeadBallListener.h"
#include "simulation/SimulationListener.h"
#include "simulation/SimulationState.h"
#include "simulation/TableGeometry.h"
#include "simulation/Team.h"

class TableSounds;

// A match is won with this many goals; the table stops in MatchOver after the goal that
// reaches it.
constexpr std::int32_t kWinningScore = 5;

// A point of the folded quarter frame the rim is described in: along the table from the
// end wall, and across from the side wall.
struct RimPoint {
    float x = 0.0f;
    float z = 0.0f;
};

class Simulation {
public:
    Simulation();

    bool ballAtRest = true;
    std::int32_t restRegion = 0;
    bool rimEnabled = false;
    RimPoint rimK0;
    RimPoint rimK1;
    RimPoint rimK2;
    float rimHeight = 1.4f;
    RimPoint rimNormal;       // unit normal of K1-K2, pointing away from the corner
    float rimDistance = 0.0f; // distance of the line K1-K2 from the corner
    float length = kTableLength;
    float width = kTableWidth;
    Team teams[2];
    Vector3 ballPosition;
    Vector3 ballVelocity;
    float spinAngle = 0.0f;
    float spinRate = 0.0f;
    SimulationState state = InPlay;
    float stateTimer = 0.0f;
    TableSounds* tableSounds = nullptr;  // not owned
    std::int32_t score[2] = {0, 0};
    bool goalPending = false;
    bool goalByTeam0 = false;
    std::int32_t kickOffTeam = 0;
    // The goals that win: after the goal that reaches them the table stops in MatchOver
    // instead of kicking off. The design's kWinningScore unless the match is set up for
    // another length.
    std::int32_t winningScore = kWinningScore;
    std::int32_t lastRegion = 0;
    float regionTime = 0.0f;
    std::vector<SimulationListener*> simulationListeners;  // not owned
    std::vector<DeadBallListener*> deadBallListeners;      // not owned
    std::int32_t lastTouchTeam = 0;
    bool practice = false;
    float previousSpeed = 0.0f;
    // How often notifyListeners ran since construction; the tracer counts events with it.
    std::uint64_t notificationCount = 0;

    // Advances the table by dt seconds (0 < dt <= 0.001).
    void step(float dt);
    // Puts the ball at rest on the flat field at (x, 1.8, z) and returns to InPlay.
    void placeBall(float x, float z);
    // Places the ball 3.5 in front of rod `rod` of side `team`, on the centre line.
    void placeAtRod(int team, int rod);
    // The kickOffTeam's midfield rod gets the ball; the rolling sound starts.
    void kickOff();

    // p in side `team`'s own frame: can one of its rods reach it?
    bool inReach(int team, const Vector3& p) const;
    // 0 when team 0 reaches the ball, else 1 when team 1 does, else -1.
    int reachRegion() const;
    // Restarts at a goalkeeper: side `team`, or the side that touched the ball last for -1.
    void reportDeadBall(int team);

    void notifyListeners();
    void addSimulationListener(SimulationListener* listener);
    void removeSimulationListener(SimulationListener* listener);
    void addDeadBallListener(DeadBallListener* listener);

    // A rod hit its end stop at (x, z) with the given shift speed.
    void playRodWallSound(float x, float z, float speed);
    // A table point relative to the table's centre, the frame the listener hears the table
    // in: every table sound is placed this way.
    Vector3 centred(const Vector3& p) const;

private:
    void updateGoalSequence(float dt);
    void countGoal(bool far, float volume);
    void bounceOffWallsAndPosts();
    void bounceOffEnd(bool far);
    void postContact(float postX, float postZ);
    void wallContact(float velocityComponent);
    float spinExchange(float alongWall);
    void collideFigures(int team, float dt);
    // A foot on top of the ball holds it and carries it sideways with the rod. false when
    // nothing happens: a still foot on a still ball, or a ball that would be pushed
    // through a side wall and slips out.
    bool pinBall(int team, Rod& rod, float dt);
    // Whether a figure of a rod that slid off the ball in this step had its foot on top of
    // it where the step began; if so the foot's place and the contact become that one.
    bool heldBeforeSlide(int team, const Rod& rod, float& figZ, Vector3& foot, Vector3& toBall,
                         float& distance) const;
    bool applyRim(float dt);
    void applyFriction(float dt, bool onSlope);
    void updateRegionTime(float dt);
};
