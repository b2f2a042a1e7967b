// The sound file reader the game loads its effects with (freealut's), on arbitrary bytes.
// It reads only from a file, so each input is written to one of this process's own first.
// A file it accepts holds samples of a format a sound buffer takes, all of them there.
#include "audio/WavFile.h"

#include <AL/al.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("pitchbar_fuzz_" + std::to_string(getpid()) + ".wav")).string();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) std::abort();
    if (size) std::fwrite(data, 1, size, file);
    std::fclose(file);
    WavSamples wav;
    const bool read = readWavFile(path, wav);
    std::remove(path.c_str());
    if (!read) return 0;
    const bool knownFormat = wav.format == AL_FORMAT_MONO8 || wav.format == AL_FORMAT_MONO16 ||
                             wav.format == AL_FORMAT_STEREO8 || wav.format == AL_FORMAT_STEREO16;
    if (!knownFormat || wav.size <= 0 || wav.frequency <= 0 || !wav.data) std::abort();
    volatile std::uint8_t last = static_cast<const std::uint8_t*>(wav.data.get())[wav.size - 1];
    (void)last;
    return 0;
}
