// roll.wav: a ball rolling on the hard playing field, as a seamless two-second loop.
// A rolling ball is a low rumble (the surface's fine roughness exciting the hollow table
// body, whose two resonances colour it), pulsing gently with the ball's turn, with a faint
// crackle of grit on top. The game plays it constantly during play and only changes its
// gain with the ball's speed, so nothing in it may stand out as a repeating event.
#include "Generator.h"
#include "audio/Dsp.h"
#include "audio/LoopCrossfade.h"
#include "audio/WavFile.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

using dsp::kPi;

constexpr double kLoopSeconds = 2.0;
constexpr double kFadeSeconds = 0.25;
// About nine turns a second at a brisk speed; a whole number of turns fits the loop.
constexpr double kTurnHz = 9.0;

std::vector<float> renderRolling(int length) {
    dsp::Noise noise(0x70117u);
    dsp::Noise grit(0x6217u);
    dsp::Biquad rumbleLow = dsp::Biquad::lowpass(520.0, 0.7);
    dsp::Biquad rumbleHigh = dsp::Biquad::highpass(60.0, 0.7);
    dsp::Biquad body1 = dsp::Biquad::bandpass(180.0, 3.0);
    dsp::Biquad body2 = dsp::Biquad::bandpass(430.0, 4.0);
    dsp::Biquad gritBand = dsp::Biquad::bandpass(3200.0, 1.2);
    dsp::OnePole wander(1.5);

    // The filters settle on noise first, so the kept part has no start-up transient.
    const int warmUp = dsp::samplesFor(0.5);
    std::vector<float> out(length, 0.0f);
    double gritEnv = 0.0;
    double gritDecay = std::exp(-1.0 / (0.0015 * dsp::kRate));
    for (int i = -warmUp; i < length; ++i) {
        double w = noise.white();
        double rumble = rumbleHigh.process(rumbleLow.process(w));
        double colour = 2.2 * body1.process(w) + 1.4 * body2.process(w);
        double t = static_cast<double>(i) / dsp::kRate;
        double turn = 1.0 + 0.22 * std::sin(2.0 * kPi * kTurnHz * t) + 0.08 * std::sin(2.0 * kPi * 2.0 * kTurnHz * t + 1.3);
        double drift = 1.0 + 0.6 * wander.process(noise.white());

        // Sparse grains of grit, about sixty a second.
        if (grit.uniform() < 60.0 / dsp::kRate) gritEnv += grit.range(0.3, 1.0);
        double crackle = gritBand.process(gritEnv * grit.white());
        gritEnv *= gritDecay;

        double v = (rumble + 0.35 * colour) * turn * drift + 0.06 * crackle;
        if (i >= 0) out[i] = static_cast<float>(v);
    }
    return out;
}

bool generateRollSound(const std::string& dir) {
    int loop = dsp::samplesFor(kLoopSeconds);
    int fade = dsp::samplesFor(kFadeSeconds);
    std::vector<float> s = makeSeamlessLoop(renderRolling(loop + fade), loop, fade);
    dsp::normalisePeak(s);
    return saveWav16(dir + "/sounds/roll.wav", s, 1, dsp::kRate);
}

}  // namespace

PITCHBAR_ASSET_GENERATOR("roll-sound", generateRollSound);
