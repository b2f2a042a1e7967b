// Frame rate of the whole match scene at 1024x768: every table object, shadows on and off.
// Needs a DISPLAY; under Xvfb it measures Mesa's software renderer. Each iteration is one
// renderFrame (shadow pass, scene, present); the device is drained by reading one frame
// back at the end of a run, so the last queued frames are counted too.
#include "testkit/display/TableScene.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

TableScene* scene() {
    static TableScene* shared = [] {
        auto* s = new TableScene;
        if (!s->start(true)) return static_cast<TableScene*>(nullptr);
        s->poseMatch();
        return s;
    }();
    return shared;
}

void renderTable(benchmark::State& state, bool shadows) {
    TableScene* s = scene();
    if (!s) {
        state.SkipWithError("no GL device");
        return;
    }
    s->setShadows(shadows);
    float angle = 0.0f;
    for (auto _ : state) {
        // Moving rods and ball, as in play, so every matrix is rewritten.
        angle += 0.01f;
        s->simulation.teams[0].rods[2].angle = angle;
        s->simulation.ballPosition.x = 60.0f + 20.0f * std::sin(angle);
        s->display->update();
        s->renderer.renderFrame();
    }
    benchmark::DoNotOptimize(s->renderer.device->readBackBuffer());
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                               benchmark::Counter::kIsRate);
}

void BM_TableFrameShadows(benchmark::State& state) { renderTable(state, true); }
void BM_TableFramePlain(benchmark::State& state) { renderTable(state, false); }

}  // namespace

BENCHMARK(BM_TableFrameShadows)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_TableFramePlain)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(3.0);
