// The table display without a device: the objects it lists with the renderer, where it
// puts rods, figures and the ball for a simulation state, and the gold of held rods.
#include "assets/ResourceManager.h"
#include "control/AssistedControl.h"
#include "control/NonControlledState.h"
#include "control/UserControlledState.h"
#include "display/FoosballDisplayer.h"
#include "platform/gfx/DeviceTexture.h"
#include "platform/gfx/Effect.h"
#include "render/Renderer.h"
#include "render/effects/SceneObject.h"
#include "assets/Mesh.h"
#include "simulation/Simulation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <vector>

namespace {

// Meshes with the sub-mesh names of the real models and no device buffers; a texture
// object for every picture. Files listed in `missing` fail to load.
class FakeLoader : public AssetLoader {
public:
    explicit FakeLoader(std::set<std::string> missing) : missing_(std::move(missing)) {}
    std::unique_ptr<DeviceTexture> loadTexture(const std::string&) override {
        return std::make_unique<DeviceTexture>();
    }
    std::unique_ptr<Effect> loadEffect(const std::string&) override { return nullptr; }
    std::unique_ptr<Mesh> loadMesh(const std::string& path) override {
        static const std::map<std::string, std::vector<std::string>> parts = {
            {"ball.krmt", {"sphere"}},
            {"playfield.krmt", {"goalbox", "playfield", "innerwalls", "top"}},
            {"rim.krmt", {"default"}},
            {"bearing.krmt", {"cyltop", "cylinder"}},
            {"puppet.krmt", {"default"}},
            {"rod.krmt", {"rodcyltop", "rodcylinder", "cyltop", "cylinder", "cylbottom"}},
            {"terminal.krmt", {"cyltop", "cylbottom", "cylinder"}},
        };
        std::string file = path.substr(path.find_last_of('/') + 1);
        if (missing_.count(file) || !parts.count(file)) return nullptr;
        auto mesh = std::make_unique<Mesh>();
        for (const std::string& name : parts.at(file)) mesh->subMeshes[name] = std::make_unique<SubMesh>();
        return mesh;
    }
    bool reloadMesh(const std::string&, Mesh&) override { return true; }
    const SoundHandle* loadSound(const std::string&) override { return nullptr; }
    const SoundHandle* loadMusic(const std::string&) override { return nullptr; }

private:
    std::set<std::string> missing_;
};

struct Table {
    explicit Table(std::set<std::string> missing = {})
        : resources("resources/", std::make_unique<FakeLoader>(std::move(missing))) {
        renderer.resources = &resources;
        control.simulation = &simulation;
        control.rods = simulation.teams[0].rods;
        for (int i = 0; i < 4; ++i) hold(i, false);
    }
    // Gives rod i of the player a held or a free state, as the player's controller would.
    void hold(int i, bool held) {
        delete control.states[i];
        Rod* rod = &simulation.teams[0].rods[i];
        control.states[i] = held ? static_cast<ControlState*>(new UserControlledState(rod, &control))
                                 : new NonControlledState(rod, &control);
    }

    ResourceManager resources;
    Renderer renderer;
    Simulation simulation;
    AssistedControl control;
};

Vector3 placed(const SceneObject* object, Vector3 local = {}) {
    return transformCoord(local, object->world);
}

void expectNear(Vector3 a, Vector3 b, const char* what) {
    EXPECT_NEAR(a.x, b.x, 1e-3f) << what;
    EXPECT_NEAR(a.y, b.y, 1e-3f) << what;
    EXPECT_NEAR(a.z, b.z, 1e-3f) << what;
}

bool isGold(const SceneObject* rod) {
    const Material* metal = rod->material("rodcylinder");
    const Material* end = rod->material("rodcyltop");
    return metal->meshColor[0] == 0.8f && metal->meshColor[1] == 0.7f && metal->meshColor[2] == 0.3f &&
           end->meshColor[0] == 0.8f && end->meshColor[2] == 0.3f;
}

}  // namespace

TEST(FoosballDisplayer, StartListsEveryObjectInOrderAndEndTakesThemBack) {
    for (bool rimOn : {false, true}) {
        Table t;
        t.simulation.rimEnabled = rimOn;
        FoosballDisplayer display(&t.renderer, &t.simulation, &t.control);
        display.startMatch();

        std::vector<SceneObject*> expected;
        for (const auto& team : display.teams) {
            expected.insert(expected.end(), std::begin(team.figures), std::end(team.figures));
            expected.insert(expected.end(), std::begin(team.bumpers), std::end(team.bumpers));
            expected.insert(expected.end(), std::begin(team.rods), std::end(team.rods));
        }
        expected.push_back(display.ball);
        expected.insert(expected.end(), std::begin(display.bearings), std::end(display.bearings));
        expected.push_back(display.playfield);
        if (rimOn) expected.push_back(display.rim);
        EXPECT_EQ(t.renderer.objects, expected) << "rim " << rimOn;
        ASSERT_EQ(t.control.listeners.size(), 1u);
        EXPECT_EQ(t.control.listeners[0], &display);

        // Switching the rim off during the match must still take the rim back.
        t.simulation.rimEnabled = false;
        display.endMatch();
        EXPECT_TRUE(t.renderer.objects.empty()) << "rim " << rimOn;
        EXPECT_TRUE(t.control.listeners.empty());
        EXPECT_FALSE(display.rim->removeRequested);

        // Mode 1 on its own flags and removes exactly what mode 0 added.
        t.simulation.rimEnabled = rimOn;
        display.forEachObject(kAddObjectsToRenderer);
        display.forEachObject(kRemoveObjectsFromRenderer);
        EXPECT_TRUE(t.renderer.objects.empty());
    }
}

TEST(FoosballDisplayer, FiguresRodsAndBumpersStandWhereTheSimulationHasThem) {
    Table t;
    FoosballDisplayer display(&t.renderer, &t.simulation, &t.control);
    display.startMatch();

    // Upright and centred: team 0's midfield at x -7.7, z -22 .. 22; team 1's mirrored.
    const float zs[5] = {-22, -11, 0, 11, 22};
    for (int i = 0; i < 5; ++i) {
        expectNear(placed(display.teams[0].figures[3 + i]), {-7.7f, 6.8f, zs[i]}, "team 0 midfield");
        expectNear(placed(display.teams[1].figures[3 + i]), {7.7f, 6.8f, -zs[i]}, "team 1 midfield");
        // The foot hangs where the simulation's foot sphere is, level with the ball centre.
        expectNear(placed(display.teams[0].figures[3 + i], {0, -5, 0}), {-7.7f, 1.8f, zs[i]}, "foot");
    }
    expectNear(placed(display.teams[0].bumpers[0]), {-52.7f, 6.8f, 13.5f}, "keeper bumper +");
    expectNear(placed(display.teams[0].bumpers[1]), {-52.7f, 6.8f, -13.5f}, "keeper bumper -");

    // Turned and shifted rods of both teams: the foot follows the simulation's foot centre,
    // the figure's front (-z in the model) faces the opponent's goal, the handle lies on
    // the owner's side.
    const float length = t.simulation.length, width = t.simulation.width;
    for (int team = 0; team < 2; ++team) {
        Rod& rod = t.simulation.teams[team].rods[3];
        rod.angle = 0.6f;
        rod.shift = 4.0f;
        t.simulation.teams[team].rods[0].shift = -3.0f;
        display.update();
        for (int i = 0; i < rod.figureCount; ++i) {
            int f = rod.firstFigure + i;
            float ownX = rod.position + 5.0f * std::sin(rod.angle);
            float ownZ = width * 0.5f + rod.shift + t.simulation.teams[team].figureOffsets[f];
            float tableX = team == 0 ? ownX : length - ownX;
            float tableZ = team == 0 ? ownZ : width - ownZ;
            Vector3 foot{tableX - length * 0.5f, 6.8f - 5.0f * std::cos(rod.angle), tableZ - width * 0.5f};
            expectNear(placed(display.teams[team].figures[f], {0, -5, 0}), foot, "turned foot");
        }
        Vector3 front = placed(display.teams[team].figures[8], {0, 0, -1}) - placed(display.teams[team].figures[8]);
        EXPECT_GT(team == 0 ? front.x : -front.x, 0.5f);
        float handleZ = placed(display.teams[team].rods[3], {0, -65, 0}).z;
        EXPECT_LT(team == 0 ? handleZ : -handleZ, -40.0f);
        float keeperBumper = placed(display.teams[team].bumpers[0]).z;
        EXPECT_NEAR(keeperBumper, team == 0 ? 10.5f : -10.5f, 1e-3f);
    }
    // Bearings sit just inside the walls on both sides of every rod.
    expectNear(placed(display.bearings[0]), {-52.7f, 6.8f, 34.2f}, "bearing +");
    expectNear(placed(display.bearings[1]), {-52.7f, 6.8f, -34.2f}, "bearing -");
    expectNear(placed(display.bearings[9]), {52.7f, 6.8f, -34.2f}, "team 1 keeper bearing");
    expectNear(placed(display.bearings[14]), {-22.3f, 6.8f, 34.2f}, "team 1 attack bearing");
    EXPECT_LT(placed(display.bearings[0], {0, 1, 0}).z, 34.2f);  // faces into the table
}

TEST(FoosballDisplayer, BallRollsSpinsAndSinksIntoTheGoal) {
    Table t;
    FoosballDisplayer display(&t.renderer, &t.simulation, &t.control);
    t.simulation.placeBall(40.0f, 20.0f);
    display.startMatch();
    expectNear(placed(display.ball), {40.0f - 58.7f, 1.8f, 20.0f - 33.2f}, "ball at rest");

    // A move of +1 along x turns the ball by -1/1.8 about z: its top moves forward.
    t.simulation.ballPosition.x += 1.0f;
    display.update();
    Quaternion expected = quaternionRotationAxis(0, 0, 1, -1.0f / 1.8f);
    EXPECT_NEAR(std::fabs(display.ballOrientation.w), std::fabs(expected.w), 1e-5f);
    EXPECT_NEAR(display.ballOrientation.z * expected.w, expected.z * display.ballOrientation.w, 1e-5f);
    Vector3 top = placed(display.ball, {0, 1.8f, 0}) - placed(display.ball);
    EXPECT_GT(top.x, 0.5f);

    // Spinning turns it about the vertical.
    display.resetBallDisplay();
    t.simulation.spinAngle += 0.5f;
    display.update();
    EXPECT_NEAR(display.ballOrientation.y, std::sin(0.25f), 1e-5f);

    // Into the goal: 0.1 s after the ball entered it is drawn 2 lower; after the goal it is
    // out of sight, and it stays there when that goal ended the match.
    t.simulation.ballPosition = {-5.0f, 1.8f, 33.2f};
    t.simulation.state = InGoal;
    t.simulation.stateTimer = 0.1f;
    display.update();
    EXPECT_NEAR(placed(display.ball).y, -0.2f, 1e-4f);
    t.simulation.state = AfterGoal;
    display.update();
    EXPECT_FLOAT_EQ(placed(display.ball).y, -50.0f);
    t.simulation.state = MatchOver;
    display.update();
    EXPECT_FLOAT_EQ(placed(display.ball).y, -50.0f);
    display.endMatch();
}

TEST(FoosballDisplayer, HeldRodsOfThePlayerTurnGold) {
    Table t;
    FoosballDisplayer display(&t.renderer, &t.simulation, &t.control);
    t.hold(2, true);
    display.startMatch();  // colours the rods without waiting for a change
    for (int i = 0; i < 4; ++i) EXPECT_EQ(isGold(display.teams[0].rods[i]), i == 2) << i;
    // The wooden handle is untouched.
    EXPECT_NE(display.teams[0].rods[2]->material("cylinder")->texture, nullptr);

    for (int i = 0; i < 4; ++i) t.hold(i, true);
    display.onControlStatesChanged();
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(isGold(display.teams[0].rods[i])) << i;
        EXPECT_FALSE(isGold(display.teams[1].rods[i])) << i;
    }
    t.hold(0, false);
    display.onControlStatesChanged();
    EXPECT_FALSE(isGold(display.teams[0].rods[0]));
    EXPECT_EQ(display.teams[0].figures[0]->material("default")->meshColor[0], 1.0f);
    EXPECT_EQ(display.teams[1].figures[0]->material("default")->meshColor[2], 1.0f);
    display.endMatch();
}

TEST(FoosballDisplayer, FiguresWearTheirTeamsPaintGoalsTheirNetsAndTheRimIsWood) {
    Table t;
    FoosballDisplayer display(&t.renderer, &t.simulation, &t.control);
    const Material* red = display.teams[0].figures[0]->material("default");
    const Material* blue = display.teams[1].figures[10]->material("default");
    ASSERT_TRUE(red->texture && blue->texture);
    EXPECT_NE(red->texture, blue->texture);
    EXPECT_EQ(red->texture, display.teams[0].figures[10]->material("default")->texture);
    EXPECT_EQ(red->lightingModel, 2);  // the highlight on the plastic stays
    EXPECT_NE(display.playfield->material("goalbox")->texture, nullptr);
    EXPECT_NE(display.rim->material("default")->texture, nullptr);
}

TEST(FoosballDisplayer, MissingModelsLeaveTheirPartsUndrawn) {
    Table t({"puppet.krmt", "rim.krmt"});
    t.simulation.rimEnabled = true;
    FoosballDisplayer display(&t.renderer, &t.simulation, &t.control);
    display.startMatch();
    EXPECT_EQ(t.renderer.objects.size(), 64u - 22u);
    for (SceneObject* o : t.renderer.objects) EXPECT_NE(o->mesh, nullptr);
    t.simulation.teams[0].rods[2].angle = 1.0f;
    display.update();
    display.endMatch();
    EXPECT_TRUE(t.renderer.objects.empty());
}
