// The three impact sounds of the table, built as struck bodies: a contact pulse whose
// width says how hard the two surfaces are, and a few decaying vibration modes of the
// bodies that ring afterwards.
//  - kick.wav: hard plastic figure on a hard plastic ball. A narrow pulse (bright click)
//    and high, quickly damped modes of the ball and the figure: a short "tock".
//  - ballwall.wav: the ball against a wooden wall. A wider pulse and the lower, well
//    damped modes of a wooden board, with a little grain noise: a dull "tok".
//  - rodwall.wav: a steel rod's rubber bumper against the cabinet. The rubber stretches
//    the contact to a few milliseconds (no click at all), the cabinet answers with a low
//    thud, and the rod itself rings faintly for a while.
#include "Generator.h"
#include "audio/Dsp.h"
#include "audio/WavFile.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

using dsp::kPi;

struct Mode {
    double freq;
    double amplitude;
    double decaySeconds;
};

// A raised-cosine force pulse of the given width: its spectrum falls off above about
// 1 / width, so a narrow pulse sounds hard and a wide one soft.
void addContactPulse(std::vector<float>& out, int start, double widthSeconds, double amplitude) {
    int n = std::max(2, dsp::samplesFor(widthSeconds));
    for (int i = 0; i < n && start + i < static_cast<int>(out.size()); ++i) {
        double phase = static_cast<double>(i) / (n - 1);
        out[start + i] += static_cast<float>(amplitude * 0.5 * (1.0 - std::cos(2.0 * kPi * phase)));
    }
}

// Decaying band-limited noise: the rough texture of a surface at the moment of contact.
void addNoiseBurst(std::vector<float>& out, int start, double amplitude, double decaySeconds, dsp::Biquad filter,
                   uint32_t seed) {
    dsp::Noise noise(seed);
    double decay = std::exp(-1.0 / (decaySeconds * dsp::kRate));
    double env = amplitude;
    for (int i = start; i < static_cast<int>(out.size()); ++i) {
        out[i] += static_cast<float>(env * filter.process(noise.white()));
        env *= decay;
    }
}

void addModes(std::vector<float>& out, int start, const std::vector<Mode>& modes, uint32_t seed) {
    dsp::Noise phases(seed);
    for (const Mode& m : modes) dsp::addMode(out, start, m.freq, m.amplitude, m.decaySeconds, phases.range(0, kPi));
}

// Removes the slow offset a one-sided pulse leaves, so the sound ends at rest.
void removeDc(std::vector<float>& s) {
    dsp::Biquad hp = dsp::Biquad::highpass(40.0, 0.707);
    for (float& v : s) v = static_cast<float>(hp.process(v));
}

std::vector<float> kick() {
    std::vector<float> s(dsp::samplesFor(0.12), 0.0f);
    int at = dsp::samplesFor(0.001);
    addContactPulse(s, at, 0.00035, 1.0);
    addNoiseBurst(s, at, 0.25, 0.0012, dsp::Biquad::bandpass(5000.0, 0.6), 11);
    addModes(s, at,
             {
                 // the hollow ball
                 {2930.0, 0.30, 0.010},
                 {4180.0, 0.18, 0.007},
                 {5710.0, 0.10, 0.005},
                 // the solid figure
                 {1120.0, 0.26, 0.018},
                 {1760.0, 0.20, 0.014},
                 {2440.0, 0.12, 0.011},
                 // a little body behind it
                 {330.0, 0.10, 0.012},
             },
             12);
    removeDc(s);
    dsp::fadeEdges(s, 0.0, 0.01);
    dsp::normalisePeak(s);
    return s;
}

std::vector<float> ballWall() {
    std::vector<float> s(dsp::samplesFor(0.26), 0.0f);
    int at = dsp::samplesFor(0.001);
    addContactPulse(s, at, 0.0009, 0.9);
    addNoiseBurst(s, at, 0.22, 0.004, dsp::Biquad::bandpass(1600.0, 0.8), 21);
    addModes(s, at,
             {
                 // the wooden board, low modes ringing longest
                 {372.0, 0.42, 0.030},
                 {608.0, 0.33, 0.022},
                 {985.0, 0.24, 0.015},
                 {1430.0, 0.15, 0.011},
                 {2160.0, 0.08, 0.007},
                 // the ball's own click, much weaker than in a kick
                 {2930.0, 0.06, 0.006},
             },
             22);
    removeDc(s);
    dsp::fadeEdges(s, 0.0, 0.03);
    dsp::normalisePeak(s);
    return s;
}

std::vector<float> rodWall() {
    std::vector<float> s(dsp::samplesFor(0.45), 0.0f);
    int at = dsp::samplesFor(0.001);
    addContactPulse(s, at, 0.0035, 1.0);
    addNoiseBurst(s, at, 0.08, 0.006, dsp::Biquad::lowpass(700.0, 0.7), 31);
    addModes(s, at,
             {
                 // the cabinet's side panel
                 {96.0, 0.50, 0.045},
                 {158.0, 0.42, 0.036},
                 {243.0, 0.30, 0.026},
                 {412.0, 0.16, 0.016},
                 // the steel rod, faint but long
                 {1870.0, 0.020, 0.16},
                 {3420.0, 0.012, 0.12},
                 {5130.0, 0.006, 0.09},
             },
             32);
    removeDc(s);
    dsp::fadeEdges(s, 0.0, 0.05);
    dsp::normalisePeak(s);
    return s;
}

bool generateImpactSounds(const std::string& dir) {
    std::string sounds = dir + "/sounds/";
    return saveWav16(sounds + "kick.wav", kick(), 1, dsp::kRate) &&
           saveWav16(sounds + "ballwall.wav", ballWall(), 1, dsp::kRate) &&
           saveWav16(sounds + "rodwall.wav", rodWall(), 1, dsp::kRate);
}

}  // namespace

PITCHBAR_ASSET_GENERATOR("impact-sounds", generateImpactSounds);
