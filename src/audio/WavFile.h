#pragma once
// A sound file's samples as freealut reads them (WAV, and the other kinds it recognises by
// their first bytes), before any OpenAL buffer is involved: reading needs no device, so the
// reader is fuzzed on its own.
#include <cstdlib>
#include <memory>
#include <string>

struct WavSamples {
    struct Free {
        void operator()(void* data) const { std::free(data); }
    };
    int format = 0;     // the OpenAL buffer format (mono or stereo, 8 or 16 bits)
    int size = 0;       // bytes of samples
    int frequency = 0;  // samples per second
    std::unique_ptr<void, Free> data;
};

// false when the file cannot be read or gives no samples.
bool readWavFile(const std::string& path, WavSamples& out);
