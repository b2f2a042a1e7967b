// The cost of one simulation step with the ball in play among swinging, shifting rods:
// shots, blocks, wall bounces and goals all happen during the run.
#include <benchmark/benchmark.h>

#include <cmath>

#include "core/GameRandom.h"
#include "simulation/Simulation.h"
#include "simulation/TableSounds.h"
#include "testkit/simulation/RestlessRods.h"

namespace {

// Counts the sound calls without keeping them, so the benchmark measures the table alone.
class SilentTableSounds : public TableSounds {
public:
    void startRoll() override { ++calls; }
    void updateRoll(const Vector3&, const Vector3&) override { ++calls; }
    void stopRoll() override { ++calls; }
    void playKick(const Vector3&, float) override { ++kicks; }
    void playBallWall(const Vector3&, float) override { ++calls; }
    void playRodWall(const Vector3&, float) override { ++calls; }
    void playScore(bool, float) override { ++calls; }
    void playApplause() override { ++calls; }
    long calls = 0;
    long kicks = 0;
};

void BM_SimulationStep(benchmark::State& state) {
    seedGameRandom(4242);
    Simulation sim;
    SilentTableSounds sounds;
    sim.tableSounds = &sounds;
    sim.rimEnabled = state.range(0) != 0;
    sim.kickOff();
    const float dt = 0.001f;
    long i = 0;
    for (auto _ : state) {
        moveRodsRestlessly(sim, i++, dt);
        sim.step(dt);
        if (sim.ballAtRest && sim.restRegion == -1) sim.reportDeadBall(-1);
        if (sim.state == MatchOver) {
            sim.score[0] = sim.score[1] = 0;
            sim.kickOff();
        }
        benchmark::DoNotOptimize(sim.ballPosition);
    }
    state.counters["kicks/s-of-play"] =
        benchmark::Counter(static_cast<double>(sounds.kicks) * 1000.0 / static_cast<double>(i));
    state.SetItemsProcessed(state.iterations());
}

// The rod driver alone, to subtract from the figure above.
void BM_RodDriverOnly(benchmark::State& state) {
    seedGameRandom(4242);
    Simulation sim;
    long i = 0;
    for (auto _ : state) {
        moveRodsRestlessly(sim, i++, 0.001f);
        benchmark::DoNotOptimize(sim.teams[0].rods[0].angle);
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(BM_SimulationStep)->Arg(0)->Arg(1)->ArgName("rim");
BENCHMARK(BM_RodDriverOnly);
