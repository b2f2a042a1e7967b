#pragma once
// A whole table on a real device, set up the way the match screen sets it up: window,
// renderer, resources, camera, light and shadow map, the simulation with the player's
// controller, and the displayer. The GL test and the frame-rate benchmark share it; both
// need a DISPLAY (Xvfb with Mesa's software renderer in CI).
#include "app/DeviceAssetLoader.h"
#include "assets/ResourceManager.h"
#include "control/AssistedControl.h"
#include "control/NonControlledState.h"
#include "control/UserControlledState.h"
#include "display/FoosballDisplayer.h"
#include "display/TableCamera.h"
#include "platform/gfx/GraphicsDevice.h"
#include "platform/system/MemoryMode.h"
#include "platform/window/GameWindow.h"
#include "render/Camera.h"
#include "render/Renderer.h"
#include "render/effects/SceneEffect.h"
#include "render/effects/SceneObject.h"
#include "render/effects/ShadowMap.h"
#include "simulation/Simulation.h"

#include <cstdlib>
#include <memory>
#include <string>

struct TableScene {
    GameWindow window;
    Renderer renderer;
    std::unique_ptr<ResourceManager> resources;
    Camera camera;
    Simulation simulation;
    AssistedControl control;
    std::unique_ptr<FoosballDisplayer> display;

    bool start(bool rim) {
        const char* dir = std::getenv("PITCHBAR_RESOURCES");
        std::string base = std::string(dir ? dir : "resources") + "/";
        returnLargeBlocksAtOnce();  // as the game does before its window
        if (!window.create() || !renderer.initDevice(&window)) return false;
        resources = std::make_unique<ResourceManager>(base, std::make_unique<DeviceAssetLoader>(&*renderer.device, nullptr));
        renderer.resources = resources.get();
        if (!renderer.initScene(&window)) return false;
        setTableCamera(camera);
        renderer.camera = &camera;
        if (renderer.shadowCapable) setUpShadowMap(renderer);
        control.simulation = &simulation;
        control.rods = simulation.teams[0].rods;
        simulation.rimEnabled = rim;
        display = std::make_unique<FoosballDisplayer>(&renderer, &simulation, &control);
        return true;
    }

    // A lively moment: the ball in front of the player's attack, the rods turned and
    // shifted, the player holding the midfield rod.
    void poseMatch() {
        for (int i = 0; i < 4; ++i) {
            delete control.states[i];
            Rod* rod = &simulation.teams[0].rods[i];
            control.states[i] = i == 2 ? static_cast<ControlState*>(new UserControlledState(rod, &control))
                                       : new NonControlledState(rod, &control);
        }
        const float angles[2][4] = {{0.0f, 0.3f, -0.2f, 0.5f}, {0.2f, -0.4f, 0.0f, -0.9f}};
        const float shifts[2][4] = {{2.0f, -5.0f, 3.0f, 8.0f}, {-4.0f, 6.0f, -2.0f, -7.0f}};
        for (int t = 0; t < 2; ++t)
            for (int k = 0; k < 4; ++k) {
                simulation.teams[t].rods[k].angle = angles[t][k];
                simulation.teams[t].rods[k].shift = shifts[t][k];
            }
        simulation.placeBall(88.0f, 30.0f);
        display->startMatch();
    }

    void setShadows(bool on) { renderer.shadowsEnabled = on ? 1 : 0; }

    // Where a display-frame point lands on the 1024x768 back buffer.
    bool project(const Vector3& p, int& x, int& y) const {
        if (!renderer.sceneEffect) return false;
        Vector3 ndc = transformCoord(p, renderer.sceneEffect->view * renderer.sceneEffect->projection);
        x = static_cast<int>((ndc.x + 1.0f) * 0.5f * renderer.device->backBufferWidth());
        y = static_cast<int>((1.0f - ndc.y) * 0.5f * renderer.device->backBufferHeight());
        return x >= 0 && y >= 0 && x < renderer.device->backBufferWidth() &&
               y < renderer.device->backBufferHeight();
    }

    ~TableScene() {
        if (display) display->endMatch();
        display.reset();
    }
};
