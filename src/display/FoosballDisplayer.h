#pragma once
// The table in 3D: one scene object for every visible part of the table, placed every frame
// from the simulation's rods and ball. The objects live here for the whole run; a match
// start hands them to the renderer and a match end takes them back. The displayer also
// listens to the player's controller and paints the rods the mouse holds gold.
#include "control/ControlStatesChangedListener.h"
#include "display/DrawnFrame.h"
#include "core/math/Quaternion.h"
#include "core/math/Vector3.h"

class AssistedControl;
class Renderer;
class SceneObject;
class Simulation;
struct Material;

// The teams' colours: 0 red and blue, 1 a pair for colour-vision deficiencies.
constexpr int kTeamPalettes = 2;

// What forEachObject does to each object.
enum DisplayObjectMode : int {
    kAddObjectsToRenderer = 0,
    kRemoveObjectsFromRenderer = 1,
    kDestroyObjects = 2,
};

class FoosballDisplayer : public ControlStatesChangedListener {
public:
    struct TeamObjects {
        SceneObject* rods[4] = {};      // rod.krmt, by rod index
        SceneObject* figures[11] = {};  // puppet.krmt, by figure index
        SceneObject* bumpers[8] = {};   // terminal.krmt, two per rod in rod order
    };

    Renderer* renderer = nullptr;
    Simulation* simulation = nullptr;
    AssistedControl* playerControl = nullptr;
    SceneObject* playfield = nullptr;
    SceneObject* rim = nullptr;
    SceneObject* ball = nullptr;
    // Two per rod k (0-3 team 0, 4-7 team 1): 2k on the z > 0 side, 2k + 1 on the z < 0 side.
    SceneObject* bearings[16] = {};
    TeamObjects teams[2];
    Quaternion ballOrientation;
    Vector3 lastBallPosition;
    float lastSpinAngle = 0.0f;

    // Loads the models and textures through the renderer's resource manager, creates every
    // object with its materials and places the bearings.
    FoosballDisplayer(Renderer* renderer_, Simulation* simulation_, AssistedControl* playerControl_);
    ~FoosballDisplayer() override;
    FoosballDisplayer(const FoosballDisplayer&) = delete;
    FoosballDisplayer& operator=(const FoosballDisplayer&) = delete;

    // Recolours team 0's rods: gold for the rods the mouse holds.
    void onControlStatesChanged() override;
    // Paints both teams' figures and bumpers in one of the palettes.
    void setTeamPalette(int palette);
    // The ball starts unturned at its current place.
    virtual void resetBallDisplay();

    // Team 0's figures, bumpers and rods, team 1's, the ball, the bearings, the playfield,
    // and the rim while the rim is on.
    void forEachObject(int mode);
    // The match screen has prepared the simulation and becomes active.
    void startMatch();
    // Writes the ball's and every rod's, figure's and bumper's world matrix from the
    // simulation, and keeps what it drew in lastFrame (its time left to the caller).
    void update();
    // Places the moving parts as a kept frame has them (the goal replay); the ball's turn
    // and the simulation are left as they were. Both tell the renderer whether its camera
    // is the still one: place the camera first.
    void showFrame(const DrawnFrame& frame);
    DrawnFrame lastFrame;
    // The renderer's camera stands at the table's designed view: the playfield (floor,
    // cabinet, field, goals) and the rim may then come from the still-table layer. Any
    // other camera, moving or not, draws everything every frame.
    bool cameraIsStill() const;
    // The match screen becomes inactive.
    void endMatch();

private:
    template <typename Visit>
    void visitAllButRim(Visit visit);
    void applyTo(SceneObject* object, int mode);
    // The ball's drawn place and turn, advanced from the simulation.
    void captureBall(DrawnFrame& frame);
    void placeBall(const DrawnFrame& frame);
    void placeTeam(int team, const DrawnFrame& frame);
    void placeBearings();
    bool rimInRenderer_ = false;
};
