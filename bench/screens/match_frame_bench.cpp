// Frames per second of a real match: each iteration is one frame of the game's loop on the
// match screen (keys, announcements, the table in 1 ms steps with the computer opponent
// playing, the spin meter and the table display, then the renderer's frame with the shadow
// pass, the lit table and the HUD). Needs a DISPLAY; under Xvfb it measures Mesa's
// software renderer. Each frame is given 1/30 s of game time, the slowest frame rate the
// game is meant to hold, so it runs 34 steps of the table; the player's hand moves the
// mouse back and forth so his rods move as in play, and a ball at rest is pushed on.
//
// The Reference runs play the same match but draw its objects with a plain hand-written
// renderer (bench/render/ReferenceRenderer), so the ratio of the two figures of one run
// says how close the game's renderer is to a straightforward one on this machine, whatever
// else the machine is busy with. bench/screens/frame_figures.sh prints medians and ratios.
#include "render/ReferenceRenderer.h"
#include "testkit/screens/MatchOnDevice.h"

#include "input/InputSystem.h"
#include "platform/gfx/RenderTarget.h"
#include "render/effects/SceneEffect.h"
#include "render/effects/SceneObject.h"
#include "render/effects/ShadowMap.h"
#include "render/StillTableLayer.h"
#include "screens/MatchViewSettings.h"

#include <benchmark/benchmark.h>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>

namespace {

bool environmentFlag(const char* name) {
    const char* value = std::getenv(name);
    return value && *value && std::string(value) != "0";
}

// PITCHBAR_SMOOTH_EDGES=1 smooths the scene's edges; PITCHBAR_WIDE_PICTURE=1 runs full
// screen with the wide picture (the display's own size; PITCHBAR_SCENE_PIXELS=design
// draws the scene with the designed pixel count and scales it up). PITCHBAR_VIEW=low or
// goal watches the match from the low side view or from behind the player's goal, whose
// moving camera draws the whole table every frame.
MatchOnDevice* match() {
    static MatchOnDevice* shared = [] {
        auto* m = new MatchOnDevice;
        if (!m->start("match_bench_errors.txt", "match_bench_gamestate.dat")) return static_cast<MatchOnDevice*>(nullptr);
        m->game.renderer->smoothEdges = environmentFlag("PITCHBAR_SMOOTH_EDGES");
        if (environmentFlag("PITCHBAR_WIDE_PICTURE")) {
            m->window.show();
            m->game.renderer->widePicture = true;
        }
        if (const char* view = std::getenv("PITCHBAR_VIEW")) {
            const std::string name = view;
            if (name == "low" || name == "goal")
                keepMatchView(&m->game.context, name == "low" ? TableView::LowSide : TableView::BehindOwnGoal);
        }
        return m;
    }();
    return shared;
}

// Alternate: each iteration draws the frame with the game's renderer, then again with the
// reference renderer, timing both; their ratio then sees the same load on a busy machine.
enum class Drawing { Game, Reference, Alternate, None };

// CPU seconds of the whole process, the software renderer's own threads included. Per
// frame it is a figure a busy machine barely moves, unlike the wall clock.
double processCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + t.tv_nsec * 1e-9;
}

void reportCpuPerFrame(benchmark::State& state, double cpuStart) {
    if (state.iterations() > 0)
        state.counters["cpu_ms"] = (processCpuSeconds() - cpuStart) * 1000.0 /
                                   static_cast<double>(state.iterations());
}

// Waits until the software renderer has drawn everything asked of it.
void finishDrawing() { ReferenceRenderer::finish(); }

ReferenceRenderer* reference(MatchOnDevice& m) {
    static ReferenceRenderer* shared = [&m] {
        auto* r = new ReferenceRenderer;
        if (!r->create(m.window.sdlWindow())) return static_cast<ReferenceRenderer*>(nullptr);
        return r;
    }();
    return shared;
}

void playMatch(benchmark::State& state, bool shadows, Drawing drawing = Drawing::Game) {
    MatchOnDevice* m = match();
    if (!m) {
        state.SkipWithError("no GL device");
        return;
    }
    const bool needsReference = drawing == Drawing::Reference || drawing == Drawing::Alternate;
    ReferenceRenderer* plain = needsReference ? reference(*m) : nullptr;
    if (needsReference && !plain) {
        state.SkipWithError("reference renderer did not build");
        return;
    }
    m->game.profileStore.currentProfile->shadows = shadows;
    m->enter(0);
    InputSystem& input = *m->game.context.inputSystem;
    float phase = 0.0f;
    // The software renderer compiles its shader variants at their first draws, which can
    // take seconds on a busy machine: a few frames before the clock starts.
    using Clock = std::chrono::steady_clock;
    double gameSeconds = 0.0, referenceSeconds = 0.0;
    auto draw = [&] {
        if (drawing == Drawing::Game) {
            m->frame(1.0f / 30.0f);
        } else if (drawing == Drawing::Alternate) {
            const Clock::time_point start = Clock::now();
            m->frame(1.0f / 30.0f);
            const Clock::time_point between = Clock::now();
            plain->drawFrame(*m->game.renderer, shadows);
            gameSeconds += std::chrono::duration<double>(between - start).count();
            referenceSeconds += std::chrono::duration<double>(Clock::now() - between).count();
        } else {
            m->match->update(1.0f / 30.0f);
            if (plain) plain->drawFrame(*m->game.renderer, shadows);
        }
    };
    for (int i = 0; i < 3 && drawing != Drawing::None; ++i) draw();
    gameSeconds = referenceSeconds = 0.0;
    finishDrawing();
    const double cpuStart = processCpuSeconds();
    for (auto _ : state) {
        phase += 0.15f;
        input.mouseMoveX = 40.0f * std::sin(phase);
        input.mouseMoveY = 25.0f * std::cos(phase * 0.7f);
        // A fresh kick-off whenever a match has ended, and a push for a ball that has come
        // to rest, so the table is always in play.
        Simulation& sim = m->match->simulation;
        if (sim.state == MatchOver) m->enter(0);
        if (sim.ballAtRest && sim.state == InPlay) {
            sim.ballAtRest = false;
            sim.ballVelocity = Vector3(120.0f * std::cos(phase * 3.1f), 0.0f, 90.0f * std::sin(phase * 1.7f));
        }
        draw();
    }
    finishDrawing();
    reportCpuPerFrame(state, cpuStart);
    // PITCHBAR_FRAME_PNG_DIR=<folder> keeps the last frame of each run as game_shadows.png,
    // reference_plain.png and so on.
    if (drawing == Drawing::Alternate && gameSeconds > 0.0 && referenceSeconds > 0.0) {
        const double frames = static_cast<double>(state.iterations());
        state.counters["game_fps"] = frames / gameSeconds;
        state.counters["reference_fps"] = frames / referenceSeconds;
        state.counters["ratio"] = referenceSeconds / gameSeconds;
    }
    if (const char* folder = std::getenv("PITCHBAR_FRAME_PNG_DIR");
        folder && drawing != Drawing::None && drawing != Drawing::Alternate) {
        std::vector<unsigned char> image = plain ? plain->readFrame() : m->game.renderer->device->readBackBuffer();
        const int w = plain ? 1024 : m->game.renderer->device->pictureWidth();
        const int h = plain ? 768 : m->game.renderer->device->pictureHeight();
        stbi_write_png((std::string(folder) + (plain ? "/reference" : "/game") + (shadows ? "_shadows.png" : "_plain.png")).c_str(), w, h, 4,
                       image.data(), w * 4);
    }
    benchmark::DoNotOptimize(m->game.renderer->device->readBackBuffer());
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                               benchmark::Counter::kIsRate);
    m->match->onLeave();
    m->game.renderer->screen = nullptr;
}

void BM_MatchFrameShadows(benchmark::State& state) { playMatch(state, true); }
// Game and reference frame by frame in turn: the ratio figure.
void BM_GameVsReferenceShadows(benchmark::State& state) { playMatch(state, true, Drawing::Alternate); }
void BM_GameVsReferencePlain(benchmark::State& state) { playMatch(state, false, Drawing::Alternate); }
void BM_MatchFramePlain(benchmark::State& state) { playMatch(state, false); }
// The screen's own share of a frame: keys, rules, 34 table steps with both controllers and
// the display's matrices, without drawing.
void BM_MatchUpdateOnly(benchmark::State& state) { playMatch(state, true, Drawing::None); }
// The same match drawn by the plain reference renderer.
void BM_ReferenceFrameShadows(benchmark::State& state) { playMatch(state, true, Drawing::Reference); }
void BM_ReferenceFramePlain(benchmark::State& state) { playMatch(state, false, Drawing::Reference); }

// The parts of one frame apart, on a match standing still, each finished (glFinish inside
// readPixel) before the clock stops: the shadow map, the lit table with and without
// sampling it (drawn whole), present (scaling into the window and swapping), and with the
// still-table layer: its copy alone, the copy with the received shadows, and the moving
// objects over it.
enum class Part { ShadowMap, SceneShadowed, ScenePlain, Present, StillCopy, StillShadowed, Moving };

void framePart(benchmark::State& state, Part part) {
    MatchOnDevice* m = match();
    if (!m) {
        state.SkipWithError("no GL device");
        return;
    }
    m->game.profileStore.currentProfile->shadows = part != Part::ScenePlain && part != Part::StillCopy;
    m->enter(0);
    for (int i = 0; i < 3; ++i) m->frame(1.0f / 30.0f);
    Renderer& r = *m->game.renderer;
    GraphicsDevice& device = *r.device;
    const bool layered = part == Part::StillCopy || part == Part::StillShadowed || part == Part::Moving;
    if (layered && !(r.stillCamera && r.stillTable->prepare())) {
        state.SkipWithError("the still-table layer is not used on this device");
        m->match->onLeave();
        r.screen = nullptr;
        return;
    }
    finishDrawing();
    const double cpuStart = processCpuSeconds();
    for (auto _ : state) {
        switch (part) {
        case Part::ShadowMap: {
            device.setRenderTarget(r.shadowMap->surface.get(), r.shadowMap->depthSurface.get());
            r.shadowMap->clear();
            for (SceneObject* object : r.objects) r.shadowMap->drawCaster(*object);
            device.setRenderTarget(nullptr, nullptr);
            break;
        }
        case Part::SceneShadowed:
        case Part::ScenePlain:
            device.clear(nullptr, 0xFF000000u, 1.0f);
            r.sceneEffect->setFrameParameters();
            for (SceneObject* object : r.objects) r.sceneEffect->drawObject(*object);
            break;
        case Part::Present: device.present(); break;
        case Part::StillCopy:
        case Part::StillShadowed: r.stillTable->drawInto(); break;
        case Part::Moving:
            r.sceneEffect->setFrameParameters();
            for (SceneObject* object : r.objects)
                if (!object->still) r.sceneEffect->drawObject(*object);
            break;
        }
        finishDrawing();
    }
    reportCpuPerFrame(state, cpuStart);
    if (part == Part::StillShadowed) {
        state.counters["rectangles"] = r.stillTable->shadowRectangles();
        state.counters["pixels"] = r.stillTable->shadowPixels();
    }
    m->match->onLeave();
    r.screen = nullptr;
}

void BM_PartShadowMap(benchmark::State& state) { framePart(state, Part::ShadowMap); }
void BM_PartSceneShadowed(benchmark::State& state) { framePart(state, Part::SceneShadowed); }
void BM_PartScenePlain(benchmark::State& state) { framePart(state, Part::ScenePlain); }
void BM_PartPresent(benchmark::State& state) { framePart(state, Part::Present); }
void BM_PartStillCopy(benchmark::State& state) { framePart(state, Part::StillCopy); }
void BM_PartStillShadowed(benchmark::State& state) { framePart(state, Part::StillShadowed); }
void BM_PartMoving(benchmark::State& state) { framePart(state, Part::Moving); }

}  // namespace

BENCHMARK(BM_ReferenceFrameShadows)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(5.0);
BENCHMARK(BM_ReferenceFramePlain)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(5.0);
BENCHMARK(BM_PartShadowMap)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PartSceneShadowed)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PartScenePlain)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PartPresent)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PartStillCopy)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PartStillShadowed)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PartMoving)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_MatchFrameShadows)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(5.0);
BENCHMARK(BM_MatchFramePlain)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(5.0);
BENCHMARK(BM_GameVsReferenceShadows)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(10.0);
BENCHMARK(BM_GameVsReferencePlain)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(10.0);
BENCHMARK(BM_MatchUpdateOnly)->UseRealTime()->Unit(benchmark::kMicrosecond)->MinTime(2.0);
