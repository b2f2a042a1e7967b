// Costs of the menu music: decoding the whole Ogg Vorbis stream into memory; loading it
// through the sound system (read and checked by one decoding pass, silent backend); and
// decoding the half second that refills one buffer of the streamed music's queue, the
// work a frame does when a buffer has played. Run from the build folder or with
// PITCHBAR_RESOURCES pointing at the generated resources.
#include "audio/MusicStreamer.h"
#include "audio/OggDecoder.h"
#include "audio/OggStream.h"
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

void BM_LoadMusic(benchmark::State& state) {
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
BENCHMARK(BM_LoadMusic)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_DecodeOneQueueBuffer(benchmark::State& state) {
    std::vector<unsigned char> bytes;
    OggStream stream;
    if (!readMusicFile(musicPath(), bytes) || !stream.open(bytes.data(), bytes.size())) {
        state.SkipWithError("cannot open the music");
        return;
    }
    std::vector<char> buffer(std::size_t(stream.rate()) * MusicStreamer::kBufferMilliseconds / 1000 *
                             std::size_t(stream.channels()) * 2);
    for (auto _ : state) {
        std::size_t filled = 0;
        while (filled < buffer.size()) {
            long got = stream.read(buffer.data() + filled, static_cast<int>(buffer.size() - filled));
            if (got == 0 && !stream.open(bytes.data(), bytes.size())) got = -1;
            if (got < 0) {
                state.SkipWithError("decoding failed");
                return;
            }
            filled += static_cast<std::size_t>(got);
        }
        benchmark::DoNotOptimize(buffer.data());
    }
}
BENCHMARK(BM_DecodeOneQueueBuffer)->Unit(benchmark::kMicrosecond)->Iterations(200);

}  // namespace
