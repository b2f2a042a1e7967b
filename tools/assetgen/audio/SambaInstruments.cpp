// The samba school: a nylon-string guitar (a plucked-string model), a breathy flute, and
// the batucada: the big surdo, the tamborim's stick, the two agogô bells and the ganzá.
#include "audio/MoreInstruments.h"
#include "audio/NoteShaping.h"

#include <cmath>
#include <vector>

using dsp::kPi;
using notes::frameAt;
using notes::notePhase;
using notes::noteSeed;

void playNylonGuitar(MusicTrack& track, double start, double length, int note, double velocity, double pan) {
    // Karplus-Strong: a burst of noise circulates in a delay line one period long and loses
    // its highs a little on every trip. The loop's length is the period less the half
    // sample of the averaging filter; a first-order all-pass supplies the fraction, so the
    // string is in tune to a cent rather than to the nearest whole sample.
    const double f = midiToHz(note);
    const double loop = dsp::kRate / f - 0.5;
    const int whole = static_cast<int>(std::floor(loop - 0.1));
    const double fraction = loop - whole;
    const double allpass = (1.0 - fraction) / (1.0 + fraction);
    // Each trip loses as much as a two-second ring asks (a thousandth after 2 s).
    const double loss = std::pow(0.001, 1.0 / (f * 2.0));

    std::vector<double> line(static_cast<size_t>(whole));
    dsp::Noise noise(noteSeed(start, 31 + note));
    // A thumb, not a pick: the burst is soft, softer still when played gently.
    dsp::OnePole thumb(1200.0 + 2500.0 * velocity);
    for (double& s : line) s = thumb.process(noise.white());
    // Plucked a fifth of the way along the string: that harmonic series is missing.
    const int pluckAt = whole / 5;
    std::vector<double> burst(line);
    for (int k = 0; k < whole; ++k) line[k] = burst[k] - (k >= pluckAt ? burst[k - pluckAt] : 0.0);

    const double damp = 0.06;  // the hand's damping after `length`
    const long from = frameAt(start);
    const long n = frameAt(length + damp * 4.0);
    double previous = 0.0, apIn = 0.0, apOut = 0.0;
    dsp::Biquad body = dsp::Biquad::bandpass(210.0, 1.2);
    size_t at = 0;
    for (long i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        double x = line[at];
        double averaged = loss * 0.5 * (x + previous);
        previous = x;
        double out = allpass * averaged + apIn - allpass * apOut;
        apIn = averaged;
        apOut = out;
        line[at] = out;
        at = at + 1 == line.size() ? 0 : at + 1;
        double gate = t <= length ? 1.0 : std::exp(-(t - length) / damp);
        double attack = std::fmin(1.0, t / 0.001);
        // The wooden body adds its low resonance.
        double y = x + 0.5 * body.process(x);
        track.add(from + i, y * gate * attack * velocity * 0.22, pan);
    }
}

void playFlute(MusicTrack& track, double start, double length, int note, double velocity) {
    const double f = midiToHz(note);
    double phase = notePhase(note, start, 0);
    dsp::Noise noise(noteSeed(start, 32));
    dsp::Biquad breath = dsp::Biquad::bandpass(f * 2.0, 2.0);
    const double release = 0.09;
    const long from = frameAt(start);
    const long n = frameAt(length + release);
    for (long i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        double swell = std::fmin(1.0, t / 0.045);
        double gate = t <= length ? 1.0 : std::fmax(0.0, 1.0 - (t - length) / release);
        // The player's vibrato comes in once the note has settled.
        double vib = 0.0035 * std::fmin(1.0, std::fmax(0.0, t - 0.2) / 0.25) * std::sin(2.0 * kPi * 5.2 * t);
        phase += f * (1.0 + vib) / dsp::kRate;
        double p = 2.0 * kPi * phase;
        double tone = std::sin(p) + 0.12 * std::sin(2.0 * p) + 0.05 * std::sin(3.0 * p);
        // Air: a little all through the note, more in its first moment (the chiff).
        double air = breath.process(noise.white()) * (0.08 + 0.5 * std::exp(-t / 0.03));
        double level = swell * gate * (1.0 + 0.08 * std::sin(2.0 * kPi * 5.2 * t) * std::fmin(1.0, t / 0.4));
        track.add(from + i, (tone + air) * level * velocity * 0.12, -0.1);
    }
}

void playSurdo(MusicTrack& track, double start, double velocity, bool muted) {
    dsp::Noise noise(noteSeed(start, muted ? 33 : 34));
    dsp::OnePole felt(500.0);
    const double decay = muted ? 0.09 : 0.45;
    const double seconds = muted ? 0.25 : 1.2;
    const long from = frameAt(start);
    const long n = frameAt(seconds);
    double phase = 0.0;
    for (long i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        double f = 58.0 + 18.0 * std::exp(-t / 0.05);
        phase += f / dsp::kRate;
        double head = std::sin(2.0 * kPi * phase) * std::exp(-t / decay);
        double thump = felt.process(noise.white()) * std::exp(-t / 0.012);
        double fadeOut = std::fmin(1.0, (seconds - t) / 0.05);
        track.add(from + i, (head + 1.5 * thump) * std::fmin(1.0, t / 0.002) * fadeOut * velocity * 0.7, -0.05);
    }
}

void playTamborim(MusicTrack& track, double start, double velocity) {
    dsp::Noise noise(noteSeed(start, 35));
    dsp::Biquad snap = dsp::Biquad::bandpass(3000.0, 1.0);
    const long from = frameAt(start);
    const long n = frameAt(0.1);
    for (long i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        // A small, tight head under a stick: a high ping and the stick's snap.
        double ping = std::sin(2.0 * kPi * (640.0 * t + 200.0 * 0.01 * (1.0 - std::exp(-t / 0.01)))) * std::exp(-t / 0.03);
        double stick = snap.process(noise.white()) * std::exp(-t / 0.006);
        double fadeOut = t > 0.08 ? (0.1 - t) / 0.02 : 1.0;
        track.add(from + i, (0.7 * ping + 0.8 * stick) * velocity * 0.26 * fadeOut, 0.45);
    }
}

void playAgogo(MusicTrack& track, double start, bool high, double velocity) {
    // Tuned to the tonic and the fifth above it (A5 and E5): bells out of tune spoil a tune.
    const double f = high ? 880.0 : 659.255;
    const long from = frameAt(start);
    const long n = frameAt(0.45);
    const double phase = notePhase(high ? 1 : 0, start, 3);
    for (long i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        double p = 2.0 * kPi * (phase + f * t);
        // A bell's partials are not harmonic; the higher ones die first.
        double x = std::sin(p) + 0.45 * std::exp(-t / 0.06) * std::sin(2.71 * p) +
                   0.2 * std::exp(-t / 0.025) * std::sin(5.13 * p);
        double env = std::fmin(1.0, t / 0.001) * std::exp(-t / 0.14) * std::fmin(1.0, (0.45 - t) / 0.05);
        track.add(from + i, x * env * velocity * 0.1, -0.45);
    }
}

void playGanza(MusicTrack& track, double start, double velocity) {
    dsp::Noise noise(noteSeed(start, 36));
    dsp::Biquad band = dsp::Biquad::bandpass(5200.0, 1.0);
    const long from = frameAt(start);
    const long n = frameAt(0.08);
    for (long i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        double env = std::fmin(1.0, t / 0.008) * std::exp(-t / 0.025);
        track.add(from + i, band.process(noise.white()) * env * velocity * 0.15, 0.25);
    }
}
