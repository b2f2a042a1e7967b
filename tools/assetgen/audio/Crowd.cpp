#include "audio/Crowd.h"

#include <cmath>

namespace {

using dsp::kPi;

struct Vowel {
    double f1, f2, f3;
};

// Formants of open, shouted vowels ("ah", "eh", "oh", "ay"), the ones a cheer is made of.
const Vowel kVowels[] = {
    {800.0, 1200.0, 2800.0},
    {620.0, 1750.0, 2600.0},
    {540.0, 920.0, 2450.0},
    {700.0, 1650.0, 2500.0},
};

double envelopeAt(double t, double attack, double hold, double release) {
    if (t < 0.0) return 0.0;
    if (t < attack) return t / attack;
    t -= attack;
    if (t < hold) return 1.0;
    t -= hold;
    if (t < release) {
        double u = 1.0 - t / release;
        return u * u;
    }
    return 0.0;
}

}  // namespace

void addCheeringVoice(std::vector<float>& out, dsp::Noise& random, double start, double hold, double release,
                      double level) {
    // Men and women, shouting an octave above their speaking pitch.
    double base = random.uniform() < 0.5 ? random.range(160.0, 240.0) : random.range(280.0, 420.0);
    const Vowel& vowel = kVowels[random.next() % 4];
    double shift = random.range(0.92, 1.12);  // the size of the speaker
    dsp::Biquad f1 = dsp::Biquad::bandpass(vowel.f1 * shift, 5.0);
    dsp::Biquad f2 = dsp::Biquad::bandpass(vowel.f2 * shift, 7.0);
    dsp::Biquad f3 = dsp::Biquad::bandpass(vowel.f3 * shift, 9.0);
    dsp::Biquad tilt = dsp::Biquad::lowpass(3500.0, 0.7);
    dsp::OnePole jitter(6.0);
    dsp::BlepOscillator buzz;
    double vibratoHz = random.range(4.5, 6.5);
    double vibratoPhase = random.range(0.0, 2.0 * kPi);
    double breath = random.range(0.15, 0.4);
    double attack = random.range(0.06, 0.14);

    int from = std::max(0, dsp::samplesFor(start));
    int to = std::min(static_cast<int>(out.size()), dsp::samplesFor(start + attack + hold + release));
    for (int i = from; i < to; ++i) {
        double t = static_cast<double>(i) / dsp::kRate - start;
        double env = envelopeAt(t, attack, hold, release);
        // A shout slides up into its note and sags as the breath runs out.
        double glide = 1.0 + 0.18 * (1.0 - std::exp(-t / 0.08)) - 0.10 * std::fmax(0.0, t - attack - hold * 0.6);
        double freq = base * glide * (1.0 + 0.025 * std::sin(2.0 * kPi * vibratoHz * t + vibratoPhase) +
                                      0.04 * jitter.process(random.white()));
        double source = tilt.process(buzz.saw(freq)) + breath * random.white();
        double voiced = 1.0 * f1.process(source) + 0.7 * f2.process(source) + 0.35 * f3.process(source);
        out[i] += static_cast<float>(level * env * voiced);
    }
}

void addCrowdRoar(std::vector<float>& out, uint32_t seed, double attack, double hold, double release, double level) {
    dsp::Noise noise(seed);
    dsp::Biquad low = dsp::Biquad::lowpass(2200.0, 0.6);
    dsp::Biquad high = dsp::Biquad::highpass(250.0, 0.6);
    dsp::Biquad chest = dsp::Biquad::bandpass(650.0, 1.2);
    dsp::OnePole swell(3.0);
    for (int i = 0; i < static_cast<int>(out.size()); ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        double w = noise.white();
        double v = high.process(low.process(w)) + 0.8 * chest.process(w);
        double env = envelopeAt(t, attack, hold, release) * (1.0 + 0.5 * swell.process(noise.white()));
        out[i] += static_cast<float>(level * env * v);
    }
}

void addClapper(std::vector<float>& out, dsp::Noise& random, double start, double stop, double level) {
    // Cupped hands clap low and hollow, flat hands bright and sharp.
    double centre = random.range(900.0, 2600.0);
    dsp::Biquad hand = dsp::Biquad::bandpass(centre, random.range(0.9, 1.6));
    dsp::Biquad palm = dsp::Biquad::bandpass(centre * 0.45, 2.0);
    double rate = random.range(3.6, 5.4);  // claps a second
    double decay = random.range(0.004, 0.009);
    double t = start + random.range(0.0, 1.0 / rate);
    std::vector<float> claps(out.size(), 0.0f);
    while (t < stop) {
        int at = dsp::samplesFor(t);
        double strength = random.range(0.6, 1.0);
        double k = std::exp(-1.0 / (decay * dsp::kRate));
        double env = strength;
        int rise = dsp::samplesFor(0.0006);
        for (int i = 0; at + i < static_cast<int>(claps.size()) && env > 1e-4; ++i) {
            double a = i < rise ? env * i / rise : env;
            claps[at + i] += static_cast<float>(a * random.white());
            if (i >= rise) env *= k;
        }
        // Nobody keeps perfect time.
        t += (1.0 / rate) * random.range(0.88, 1.12);
    }
    for (size_t i = 0; i < out.size(); ++i) {
        double x = claps[i];
        out[i] += static_cast<float>(level * (hand.process(x) + 0.6 * palm.process(x)));
    }
}
