// Whole frames of a table-sized scene: about 80 lit objects (field, rim, eight rods with
// their bearings and ends, 22 figures, the ball) at 1024x768, with and without shadows.
// Needs a display (Xvfb) and the generated models:  DISPLAY=:N build/bench/render/render_scene_bench
#include "app/DeviceAssetLoader.h"
#include "assets/ResourceManager.h"
#include "platform/gfx/GraphicsDevice.h"
#include "platform/system/MemoryMode.h"
#include "platform/window/GameWindow.h"
#include "render/Camera.h"
#include "render/Renderer.h"
#include "render/effects/SceneObject.h"
#include "render/effects/ShadowMap.h"

#include <benchmark/benchmark.h>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include <cstdlib>

#include <memory>
#include <vector>

namespace {

struct Scene {
    GameWindow window;
    Renderer renderer;
    std::unique_ptr<ResourceManager> resources;
    std::vector<std::unique_ptr<SceneObject>> objects;
    Camera camera;
    bool ready = false;

    Scene() {
        returnLargeBlocksAtOnce();  // as the game does before its window
        if (!window.create() || !renderer.initDevice(&window)) return;
        resources = std::make_unique<ResourceManager>(PITCHBAR_RESOURCES_DIR, std::make_unique<DeviceAssetLoader>(renderer.device, nullptr));
        renderer.resources = resources.get();
        if (!renderer.initScene(&window)) return;
        setUpShadowMap(renderer);
        auto add = [&](const char* model, const Matrix4& world, float r, float g, float b) {
            Mesh* mesh = resources->getMesh(model);
            if (!mesh) return;
            auto object = std::make_unique<SceneObject>(mesh);
            object->world = world;
            for (auto& m : object->materials) {
                m.second->meshColor[0] = r;
                m.second->meshColor[1] = g;
                m.second->meshColor[2] = b;
                m.second->castsShadow = true;
                m.second->receivesShadow = true;
                m.second->lightingModel = 2;
                m.second->specPower = 30.0f;
                m.second->specIntensity = 0.4f;
            }
            renderer.addObject(object.get());
            objects.push_back(std::move(object));
        };
        add("playfield.krmt", matrixIdentity(), 0.2f, 0.6f, 0.2f);
        add("rim.krmt", matrixIdentity(), 0.6f, 0.4f, 0.2f);
        const int figures[8] = {1, 2, 3, 5, 5, 3, 2, 1};
        for (int rod = 0; rod < 8; ++rod) {
            const float x = -63.0f + rod * 18.0f;
            // Rods lie across the field (along z), 8 above it.
            add("rod.krmt", matrixRotationX(1.5707963f) * matrixTranslation(x, 8, 0), 0.8f, 0.8f, 0.8f);
            for (float side : {-1.0f, 1.0f}) {
                add("bearing.krmt", matrixRotationX(side * 1.5707963f) * matrixTranslation(x, 8, side * 40), 0.3f, 0.3f, 0.3f);
                add("terminal.krmt", matrixRotationX(side * 1.5707963f) * matrixTranslation(x, 8, side * 62), 0.1f, 0.1f, 0.1f);
            }
            for (int f = 0; f < figures[rod]; ++f) {
                const float z = (f - (figures[rod] - 1) * 0.5f) * 14.0f;
                const bool red = rod % 2 == 0;
                add("puppet.krmt", matrixTranslation(x, 6.3f, z), red ? 0.9f : 0.1f, 0.1f, red ? 0.1f : 0.9f);
            }
        }
        add("ball.krmt", matrixTranslation(5, 1.8f, 3), 1, 1, 1);
        camera.y = 150;
        camera.z = -110;
        camera.orientation = quaternionRotationYawPitchRoll(0, 0.94f, 0);
        renderer.camera = &camera;
        ready = true;
    }
};

Scene& scene() {
    static Scene s;
    return s;
}

void BM_SceneFrame(benchmark::State& state) {
    Scene& s = scene();
    if (!s.ready) {
        state.SkipWithError("no display, device or models");
        return;
    }
    s.renderer.shadowsEnabled = static_cast<int>(state.range(0));
    for (auto _ : state) s.renderer.renderFrame();
    // PITCHBAR_SCENE_PNG=<path> keeps the last frame of the shadowed run as a picture.
    if (const char* shot = std::getenv("PITCHBAR_SCENE_PNG"); shot && state.range(0) == 1) {
        const std::vector<std::uint8_t> image = s.renderer.device->readBackBuffer();
        stbi_write_png(shot, 1024, 768, 4, image.data(), 1024 * 4);
    }
    state.counters["objects"] = static_cast<double>(s.objects.size());
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SceneFrame)->Arg(1)->Arg(0)->ArgName("shadows")->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

}  // namespace
