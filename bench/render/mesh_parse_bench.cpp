// Reading the largest generated model (the figure) without a device: the grammar alone.
#include "core/ErrorLog.h"
#include "assets/MeshReader.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

static void BM_ParseFigureModel(benchmark::State& state) {
    std::ifstream in(std::string(PITCHBAR_RESOURCES_DIR) + "models/puppet.krmt");
    std::stringstream text;
    text << in.rdbuf();
    const std::string data = text.str();
    if (data.empty()) {
        state.SkipWithError("models not generated");
        return;
    }
    for (auto _ : state) {
        std::istringstream stream(data);
        MeshData mesh;
        benchmark::DoNotOptimize(parseMesh(stream, mesh));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
}
BENCHMARK(BM_ParseFigureModel);
