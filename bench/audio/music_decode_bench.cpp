// Start-up cost of the menu music: decoding the whole Ogg Vorbis stream into memory, and
// the same plus the upload into an OpenAL buffer (silent backend). Run from the build
// folder or with PITCHBAR_RESOURCES pointing at the generated resources.
#include "audio/OggDecoder.h"
#include "audio/SoundSystem.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

std::string musicPath() {
    const char* dir = std::getenv("PITCHBAR_RESOURCES");
    return std::string(dir != nullptr ? dir : "game/resources") + "/precalc/precalc.dat";
}

void BM_DecodeMusic(benchmark::State& state) {
    const std::string path = musicPath();
    size_t bytes = 0;
    for (auto _ : state) {
        DecodedSound decoded;
        if (!decodeOggFile(path, decoded)) {
            state.SkipWithError(("cannot decode " + path).c_str());
            return;
        }
        bytes = decoded.pcm.size();
        benchmark::DoNotOptimize(decoded.pcm.data());
    }
    state.counters["pcm_MiB"] = double(bytes) / (1024.0 * 1024.0);
}
BENCHMARK(BM_DecodeMusic)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_LoadMusicIntoBuffer(benchmark::State& state) {
    setenv("ALSOFT_DRIVERS", "null", 0);
    const std::string path = musicPath();
    for (auto _ : state) {
        state.PauseTiming();
        SoundSystem sounds;
        bool started = sounds.init();
        state.ResumeTiming();
        if (!started || sounds.loadOgg(path) == nullptr) {
            state.SkipWithError("cannot load the music");
            return;
        }
        state.PauseTiming();
        sounds.shutdown();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadMusicIntoBuffer)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
