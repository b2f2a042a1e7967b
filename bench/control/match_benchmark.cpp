// Whole headless matches between computer opponents: simulated seconds per wall second is
// the "speedup" counter (game seconds divided by the benchmark's real time).
#include "match/HeadlessMatch.h"

#include <benchmark/benchmark.h>

namespace {

void wholeMatch(benchmark::State& state)
{
    HeadlessMatchSettings settings;
    settings.home = static_cast<int>(state.range(0));
    settings.away = static_cast<int>(state.range(1));
    std::uint32_t seed = 1;
    double gameSeconds = 0.0;
    for (auto _ : state) {
        settings.seed = seed++;
        HeadlessMatchResult r = playHeadlessMatch(settings);
        gameSeconds += r.gameSeconds;
        benchmark::DoNotOptimize(r.subSteps);
    }
    state.counters["gameSecondsPerMatch"] = benchmark::Counter(gameSeconds / state.iterations());
    state.counters["speedup"] = benchmark::Counter(gameSeconds, benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(wholeMatch)->Args({7, 0})->Args({0, 7})->Args({6, 7})->Args({3, 4})->Unit(benchmark::kMillisecond);
