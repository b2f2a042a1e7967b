// Frames per second of a real match: each iteration is one frame of the game's loop on the
// match screen (keys, announcements, the table in 1 ms steps with the computer opponent
// playing, the spin meter and the table display, then the renderer's frame with the shadow
// pass, the lit table and the HUD). Needs a DISPLAY; under Xvfb it measures Mesa's
// software renderer. Each frame is given 1/30 s of game time, the slowest frame rate the
// game is meant to hold, so it runs 34 steps of the table; the player's hand moves the
// mouse back and forth so his rods move as in play, and a ball at rest is pushed on.
#include "screens/match/MatchOnDevice.h"

#include "input/InputSystem.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

MatchOnDevice* match() {
    static MatchOnDevice* shared = [] {
        auto* m = new MatchOnDevice;
        if (!m->start("match_bench_errors.txt", "match_bench_gamestate.dat")) return static_cast<MatchOnDevice*>(nullptr);
        return m;
    }();
    return shared;
}

void playMatch(benchmark::State& state, bool shadows, bool render = true) {
    MatchOnDevice* m = match();
    if (!m) {
        state.SkipWithError("no GL device");
        return;
    }
    m->game.profileStore.currentProfile->shadows = shadows;
    m->enter(0);
    InputSystem& input = *m->game.inputSystem;
    float phase = 0.0f;
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
        if (render)
            m->frame(1.0f / 30.0f);
        else
            m->match->update(1.0f / 30.0f);
    }
    benchmark::DoNotOptimize(m->game.renderer->device->readBackBuffer());
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                               benchmark::Counter::kIsRate);
    m->match->onLeave();
    m->game.renderer->screen = nullptr;
}

void BM_MatchFrameShadows(benchmark::State& state) { playMatch(state, true); }
void BM_MatchFramePlain(benchmark::State& state) { playMatch(state, false); }
// The screen's own share of a frame: keys, rules, 34 table steps with both controllers and
// the display's matrices, without drawing.
void BM_MatchUpdateOnly(benchmark::State& state) { playMatch(state, true, false); }

}  // namespace

BENCHMARK(BM_MatchFrameShadows)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(5.0);
BENCHMARK(BM_MatchFramePlain)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(5.0);
BENCHMARK(BM_MatchUpdateOnly)->UseRealTime()->Unit(benchmark::kMicrosecond)->MinTime(2.0);
