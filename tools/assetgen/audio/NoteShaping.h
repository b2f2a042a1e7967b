#pragma once
// What every instrument of the music shares: where a note starts in frames, its envelope,
// and the per-note phase and noise seed that keep repeated notes from being copies.
#include "audio/Dsp.h"

#include <cmath>
#include <cstdint>

namespace notes {

inline long frameAt(double seconds) { return std::lround(seconds * dsp::kRate); }

// Attack-decay-sustain-release level at time t of a note held for `length`.
inline double adsr(double t, double length, double attack, double decay, double sustain, double release) {
    if (t < 0.0) return 0.0;
    double level;
    if (t < attack) {
        level = t / attack;
    } else if (t < attack + decay) {
        level = 1.0 - (1.0 - sustain) * (t - attack) / decay;
    } else {
        level = sustain;
    }
    if (t > length) {
        double r = (t - length) / release;
        level = r >= 1.0 ? 0.0 : std::fmin(level, sustain) * (1.0 - r) * (1.0 - r);
    }
    return level;
}

// Each note's oscillators start at a phase of their own, so repeated notes are not copies.
inline double notePhase(int note, double start, int voice) {
    double x = std::sin(note * 12.9898 + start * 78.233 + voice * 37.719) * 43758.5453;
    return x - std::floor(x);
}

inline uint32_t noteSeed(double start, int salt) {
    return static_cast<uint32_t>(std::lround(start * 1000.0)) * 2654435761u + static_cast<uint32_t>(salt) * 40503u + 1u;
}

}  // namespace notes
