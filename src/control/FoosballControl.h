#pragma once
// A controller moves the four rods of one team by giving each rod one control state and
// letting the states move their rods on every update. Controllers read the ball from the
// simulation and write only the motion fields of their own team's rods.
#include "simulation/Simulation.h"

#include <vector>

class ControlState;
class ControlStatesChangedListener;
struct RodCommand;

// A ball position or velocity in a team's own frame: x towards the opponent's goal, z
// across the table.
struct OwnFrameVector {
    float x = 0.0f;
    float z = 0.0f;
};

constexpr float kHalfPi = 1.5707964f;
constexpr float kPi = 3.14159265f;
constexpr float kTwoPi = 6.2831853f;

class FoosballControl : public SimulationListener {
public:
    Rod* rods = nullptr;                    // the team's four rods inside the simulation
    ControlState* states[4] = {nullptr, nullptr, nullptr, nullptr};  // owned, one per rod
    Simulation* simulation = nullptr;
    std::vector<ControlStatesChangedListener*> listeners;  // not owned

    FoosballControl() = default;
    ~FoosballControl() override;
    FoosballControl(const FoosballControl&) = delete;
    FoosballControl& operator=(const FoosballControl&) = delete;

    // Creates the four states of a new match, replacing any that exist.
    virtual void initStates() = 0;
    // The hands' command for the coming update, on every sub-step of a side that hands
    // drive. A computer opponent plays by itself and has no use for it.
    virtual void takeCommand(const RodCommand&) {}
    // One control step: every rod's state in rod order.
    virtual void update(float dt);

    void addListener(ControlStatesChangedListener* listener);
    void removeListener(ControlStatesChangedListener* listener);

    // Whether this controller plays team 1, told by where its rods lie.
    bool playsTeam1() const;
    OwnFrameVector ballPositionOwn() const;
    OwnFrameVector ballVelocityOwn() const;

    // Turns the rod towards targetAngle the short way round at speed rad/s; true (angle
    // exactly on the target, no angular velocity) when this step gets there.
    static bool rotateToward(Rod& rod, float dt, float targetAngle, float speed);
    // Moves the rod's shift towards targetShift at speed units/s, landing exactly on it.
    static void moveShiftToward(Rod& rod, float dt, float targetShift, float speed);

protected:
    // Deletes the rod's previous state and installs the new one; the pass that does this
    // ends with one notification of the listeners (finishPass).
    void installState(int rodIndex, ControlState* state);
    void finishPass();

private:
    bool replacedInPass_ = false;
};
