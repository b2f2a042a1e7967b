#include "display/FoosballDisplayer.h"

#include "assets/ResourceManager.h"
#include "control/AssistedControl.h"
#include "control/ControlState.h"
#include "display/TableCamera.h"
#include "core/math/Matrix4.h"
#include "render/Camera.h"
#include "render/Renderer.h"
#include "render/effects/SceneObject.h"
#include "simulation/Simulation.h"

#include <algorithm>
#include <initializer_list>
#include <string>

namespace {

constexpr float kHalfPiF = 1.5707964f;
// The bearings stand just inside the side walls: half the width, plus a ball radius to the
// wall face, less the 0.8 they stand out of it.
constexpr float kBearingZ = 34.2f;
constexpr float kSinkAcceleration = 200.0f;
constexpr float kHiddenBallHeight = -50.0f;
constexpr float kBumperInset = 1.5f;

// By palette: red and blue as the game has always had them, and a pair that stays apart
// under every common colour-vision deficiency and from the held rod's gold: ivory and
// charcoal differ in lightness, which every eye sees.
const float kTeamColours[kTeamPalettes][2][4] = {
    {{1.0f, 0.0f, 0.0f, 1.0f}, {0.0f, 0.0f, 1.0f, 1.0f}},
    {{0.93f, 0.92f, 0.86f, 1.0f}, {0.11f, 0.11f, 0.13f, 1.0f}},
};
const float kRodMetal[4] = {0.6f, 0.6f, 0.6f, 1.0f};
const float kRodGold[4] = {0.8f, 0.7f, 0.3f, 1.0f};

void setColour(Material* m, const float colour[4]) {
    if (!m) return;
    std::copy(colour, colour + 4, m->meshColor);
}

// A texture is only put on a material when it loaded; a missing picture leaves the part in
// its plain colour rather than sampling nothing.
void setTexture(Material* m, TextureRecord* texture) {
    if (m && texture && texture->texture) m->texture = texture;
}

void setShiny(Material* m, float power, float intensity) {
    if (!m) return;
    m->lightingModel = 2;
    m->specPower = power;
    m->specIntensity = intensity;
}

// Bare metal of rods and bearings.
void setMetal(Material* m, bool castsShadow, bool receivesShadow) {
    if (!m) return;
    setColour(m, kRodMetal);
    m->ambienceFactor = 0.0f;
    setShiny(m, 2.0f, 0.45f);
    m->castsShadow = castsShadow;
    m->receivesShadow = receivesShadow;
}

// Painted plastic of figures and bumpers.
void setTeamPlastic(Material* m, int team) {
    if (!m) return;
    setColour(m, kTeamColours[0][team]);
    setShiny(m, 12.0f, 1.0f);
    m->castsShadow = true;
}

// Display x of a rod of the given team (team 0 counts from the left end, team 1 from the
// right end).
float rodDisplayX(const Simulation& sim, int team, const Rod& rod) {
    return team == 0 ? rod.position - sim.length * 0.5f : sim.length * 0.5f - rod.position;
}

}  // namespace

FoosballDisplayer::FoosballDisplayer(Renderer* renderer_, Simulation* simulation_,
                                     AssistedControl* playerControl_)
    : renderer(renderer_), simulation(simulation_), playerControl(playerControl_) {
    ResourceManager* resources = renderer ? renderer->resources : nullptr;
    auto mesh = [&](const char* name) { return resources ? resources->getMesh(name) : nullptr; };
    auto texture = [&](const char* name) {
        return resources ? resources->getTexture(name) : nullptr;
    };
    TextureRecord* wood = texture("wood.png");

    playfield = new SceneObject(mesh("playfield.krmt"));
    setTexture(playfield->material("playfield"), texture("playfield.png"));
    if (Material* m = playfield->material("playfield")) m->receivesShadow = true;
    setTexture(playfield->material("innerwalls"), wood);
    if (Material* m = playfield->material("innerwalls")) m->receivesShadow = true;
    setTexture(playfield->material("top"), wood);
    // The field and the cabinet never move.
    playfield->still = true;

    rim = new SceneObject(mesh("rim.krmt"));
    if (Material* m = rim->material("default")) {
        const float grey[4] = {0.8f, 0.8f, 0.8f, 1.0f};
        setColour(m, grey);
        m->receivesShadow = true;
    }
    rim->still = true;

    ball = new SceneObject(mesh("ball.krmt"));
    if (Material* m = ball->material("sphere")) {
        setTexture(m, texture("balltexture.png"));
        setShiny(m, 16.0f, 1.0f);
        m->castsShadow = true;
        m->receivesShadow = true;
    }

    Mesh* bearingMesh = mesh("bearing.krmt");
    for (SceneObject*& bearing : bearings) {
        bearing = new SceneObject(bearingMesh);
        for (const char* part : {"cyltop", "cylinder"})
            setMetal(bearing->material(part), true, true);
    }

    Mesh* rodMesh = mesh("rod.krmt");
    Mesh* figureMesh = mesh("puppet.krmt");
    Mesh* bumperMesh = mesh("terminal.krmt");
    for (int t = 0; t < 2; ++t) {
        TeamObjects& team = teams[t];
        for (SceneObject*& rod : team.rods) {
            rod = new SceneObject(rodMesh);
            for (const char* part : {"rodcyltop", "rodcylinder"})
                setMetal(rod->material(part), true, false);
            for (const char* part : {"cyltop", "cylinder", "cylbottom"})
                setTexture(rod->material(part), wood);
        }
        for (SceneObject*& figure : team.figures) {
            figure = new SceneObject(figureMesh);
            setTeamPlastic(figure->material("default"), t);
        }
        for (SceneObject*& bumper : team.bumpers) {
            bumper = new SceneObject(bumperMesh);
            for (const char* part : {"cyltop", "cylbottom", "cylinder"})
                setTeamPlastic(bumper->material(part), t);
        }
    }
    placeBearings();
}

FoosballDisplayer::~FoosballDisplayer() {
    // The renderer may already be gone when the game shuts down, so only our own objects
    // are destroyed here; the match screen ends a running match before anything is drawn.
    forEachObject(kDestroyObjects);
}

template <typename Visit>
void FoosballDisplayer::visitAllButRim(Visit visit) {
    for (TeamObjects& team : teams) {
        for (SceneObject*& o : team.figures) visit(o);
        for (SceneObject*& o : team.bumpers) visit(o);
        for (SceneObject*& o : team.rods) visit(o);
    }
    visit(ball);
    for (SceneObject*& o : bearings) visit(o);
    visit(playfield);
}

void FoosballDisplayer::applyTo(SceneObject* object, int mode) {
    // An object whose model is missing is never listed with the renderer.
    if (!object || !object->mesh) return;
    if (mode == kAddObjectsToRenderer && renderer) renderer->addObject(object);
    if (mode == kRemoveObjectsFromRenderer) object->removeRequested = true;
}

void FoosballDisplayer::forEachObject(int mode) {
    if (mode == kDestroyObjects) {
        // Destruction takes the rim too, whether or not it is switched on, so nothing leaks.
        auto destroy = [](SceneObject*& object) {
            delete object;
            object = nullptr;
        };
        visitAllButRim(destroy);
        destroy(rim);
        rimInRenderer_ = false;
        return;
    }
    visitAllButRim([&](SceneObject* o) { applyTo(o, mode); });
    const bool rimOn = simulation && simulation->rimEnabled;
    if (rimOn) {
        applyTo(rim, mode);
        rimInRenderer_ = mode == kAddObjectsToRenderer && rim && rim->mesh;
    }
    if (mode == kRemoveObjectsFromRenderer && renderer) renderer->removeFlaggedObjects();
}

void FoosballDisplayer::startMatch() {
    forEachObject(kAddObjectsToRenderer);
    if (playerControl) playerControl->addListener(this);
    resetBallDisplay();
    onControlStatesChanged();
    update();
}

void FoosballDisplayer::endMatch() {
    // The rim leaves only if it came: the rim setting may have changed since.
    visitAllButRim([&](SceneObject* o) { applyTo(o, kRemoveObjectsFromRenderer); });
    if (rimInRenderer_) applyTo(rim, kRemoveObjectsFromRenderer);
    rimInRenderer_ = false;
    if (renderer) renderer->removeFlaggedObjects();
    if (playerControl) playerControl->removeListener(this);
}

void FoosballDisplayer::onControlStatesChanged() {
    if (!playerControl) return;
    for (int i = 0; i < 4; ++i) {
        ControlState* state = playerControl->states[i];
        bool held = state && state->typeId() == kUserControlledStateType;
        SceneObject* rod = teams[0].rods[i];
        if (!rod) continue;
        for (const char* part : {"rodcyltop", "rodcylinder"})
            setColour(rod->material(part), held ? kRodGold : kRodMetal);
    }
}

void FoosballDisplayer::setTeamPalette(int palette) {
    if (palette < 0 || palette >= kTeamPalettes) palette = 0;
    for (int t = 0; t < 2; ++t) {
        for (SceneObject* figure : teams[t].figures)
            if (figure) setColour(figure->material("default"), kTeamColours[palette][t]);
        for (SceneObject* bumper : teams[t].bumpers)
            if (bumper)
                for (const char* part : {"cyltop", "cylbottom", "cylinder"})
                    setColour(bumper->material(part), kTeamColours[palette][t]);
    }
}

void FoosballDisplayer::resetBallDisplay() {
    ballOrientation = quaternionIdentity();
    if (!simulation) return;
    lastBallPosition = simulation->ballPosition;
    lastSpinAngle = simulation->spinAngle;
}

bool FoosballDisplayer::cameraIsStill() const {
    return renderer && renderer->camera && isTableCamera(*renderer->camera);
}

void FoosballDisplayer::update() {
    if (!simulation) return;
    DrawnFrame frame;
    frame.time = lastFrame.time;
    captureBall(frame);
    for (int t = 0; t < 2; ++t)
        for (int k = 0; k < kRodsPerTeam; ++k) {
            frame.rodAngle[t * kRodsPerTeam + k] = simulation->teams[t].rods[k].angle;
            frame.rodShift[t * kRodsPerTeam + k] = simulation->teams[t].rods[k].shift;
        }
    lastFrame = frame;
    showFrame(frame);
}

void FoosballDisplayer::showFrame(const DrawnFrame& frame) {
    if (renderer) renderer->stillCamera = cameraIsStill();
    if (!simulation) return;
    placeBall(frame);
    placeTeam(0, frame);
    placeTeam(1, frame);
}

void FoosballDisplayer::captureBall(DrawnFrame& frame) {
    const Simulation& sim = *simulation;
    const Vector3 p = sim.ballPosition;
    const Vector3 d = p - lastBallPosition;
    // The ball turns by the distance it travelled over its radius.
    Quaternion roll = quaternionRotationYawPitchRoll(0.0f, d.z / kBallRadius, -d.x / kBallRadius);
    Quaternion spin = quaternionRotationYawPitchRoll(sim.spinAngle - lastSpinAngle, 0.0f, 0.0f);
    ballOrientation = quaternionNormalize(
        quaternionMultiply(quaternionMultiply(ballOrientation, roll), spin));
    lastBallPosition = p;
    lastSpinAngle = sim.spinAngle;

    float y = p.y;
    if (sim.state == InGoal) {
        // Dropping into the goal box.
        float t = sim.stateTimer;
        y = kBallRadius - kSinkAcceleration * t * t;
    } else if (sim.state == AfterGoal) {
        y = kHiddenBallHeight;
    } else if (sim.state == MatchOver &&
               (p.x < -kBallRadius || p.x > sim.length + kBallRadius)) {
        // The deciding goal's ball stays in the goal box; it must not pop back up there
        // while the winner is announced.
        y = kHiddenBallHeight;
    }
    frame.ballPosition = Vector3(p.x, y, p.z);
    frame.ballOrientation = ballOrientation;
}

void FoosballDisplayer::placeBall(const DrawnFrame& frame) {
    const Simulation& sim = *simulation;
    const Vector3& p = frame.ballPosition;
    if (ball)
        ball->world = matrixRotationQuaternion(frame.ballOrientation) *
                      matrixTranslation(p.x - sim.length * 0.5f, p.y, p.z - sim.width * 0.5f);
}

void FoosballDisplayer::placeTeam(int t, const DrawnFrame& frame) {
    const Simulation& sim = *simulation;
    const Team& team = sim.teams[t];
    TeamObjects& objects = teams[t];
    const float s = t == 0 ? 1.0f : -1.0f;
    for (int k = 0; k < kRodsPerTeam; ++k) {
        const Rod& rod = team.rods[k];
        const float angle = frame.rodAngle[t * kRodsPerTeam + k];
        const float shift = frame.rodShift[t * kRodsPerTeam + k];
        const float x = rodDisplayX(sim, t, rod);
        // The rod model lies along its own y axis: turn it by the rod angle about that axis,
        // then lay it across the table.
        const Matrix4 turned = matrixRotationY(angle) * matrixRotationX(s * kHalfPiF);
        if (objects.rods[k])
            objects.rods[k]->world = turned * matrixTranslation(x, kRodAxisHeight, s * shift);
        const float bumperOffset = rod.endMargin - kBumperInset;
        if (SceneObject* b = objects.bumpers[2 * k])
            b->world = turned * matrixTranslation(x, kRodAxisHeight, s * (shift + bumperOffset));
        if (SceneObject* b = objects.bumpers[2 * k + 1])
            b->world = turned * matrixTranslation(x, kRodAxisHeight, s * (shift - bumperOffset));

        // Figures face the opponent's goal and swing with the rod.
        const Matrix4 swung = matrixRotationY(-s * kHalfPiF) * matrixRotationZ(s * angle);
        for (int i = 0; i < rod.figureCount; ++i) {
            const int f = rod.firstFigure + i;
            if (f < 0 || f >= kFiguresPerTeam || !objects.figures[f]) continue;
            const float z = shift + team.figureOffsets[f];
            objects.figures[f]->world = swung * matrixTranslation(x, kRodAxisHeight, s * z);
        }
    }
}

void FoosballDisplayer::placeBearings() {
    if (!simulation) return;
    for (int t = 0; t < 2; ++t) {
        for (int k = 0; k < kRodsPerTeam; ++k) {
            const float x = rodDisplayX(*simulation, t, simulation->teams[t].rods[k]);
            const int rodNumber = t * kRodsPerTeam + k;
            if (SceneObject* b = bearings[2 * rodNumber])
                b->world = matrixRotationX(-kHalfPiF) * matrixTranslation(x, kRodAxisHeight, kBearingZ);
            if (SceneObject* b = bearings[2 * rodNumber + 1])
                b->world = matrixRotationX(kHalfPiF) * matrixTranslation(x, kRodAxisHeight, -kBearingZ);
        }
    }
}
