// The arcade machine: two pulse voices, a triangle bass and noise drums, as a games
// console of the eighties sang, but band-limited so that nothing whistles.
#include "audio/MoreInstruments.h"
#include "audio/NoteShaping.h"

#include <cmath>

using dsp::kPi;
using notes::adsr;
using notes::frameAt;
using notes::notePhase;
using notes::noteSeed;

void playChipPulse(MusicTrack& track, double start, double length, int note, double velocity, double duty,
                   double pan) {
    const double f = midiToHz(note);
    dsp::BlepOscillator osc(notePhase(note, start, 0));
    // The old chips' output filter: the pulse keeps its reed but loses its sting.
    dsp::StateVariableFilter soften;
    const double release = 0.04;
    const long from = frameAt(start);
    const long n = frameAt(length + release);
    for (long i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        double env = adsr(t, length, 0.003, 0.16, 0.65, release);
        // A delayed vibrato on the long notes, as the old sound drivers did it.
        double vib = 1.0 + 0.005 * std::fmin(1.0, std::fmax(0.0, t - 0.25) / 0.15) * std::sin(2.0 * kPi * 6.0 * t);
        double y = soften.lowpass(osc.pulse(f * vib, duty), 4200.0, 0.6);
        track.add(from + i, y * env * velocity * 0.09, pan);
    }
}

void playChipTriangle(MusicTrack& track, double start, double length, int note, double velocity) {
    const double f = midiToHz(note);
    double phase = notePhase(note, start, 0);
    const double release = 0.02;
    const long from = frameAt(start);
    const long n = frameAt(length + release);
    for (long i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        double env = adsr(t, length, 0.002, 0.05, 0.9, release);
        phase += f / dsp::kRate;
        phase -= std::floor(phase);
        // A triangle's harmonics fall with the square of their number: no aliasing to hear.
        double tri = 4.0 * std::fabs(phase - 0.5) - 1.0;
        track.add(from + i, tri * env * velocity * 0.36, 0.0);
    }
}

void playChipKick(MusicTrack& track, double start, double velocity) {
    const long from = frameAt(start);
    const long n = frameAt(0.16);
    // From the triangle's zero crossing, with a millisecond's attack: a kick, not a click.
    double phase = 0.25;
    for (long i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        double f = 48.0 + 170.0 * std::exp(-t / 0.022);
        phase += f / dsp::kRate;
        phase -= std::floor(phase);
        double tri = 4.0 * std::fabs(phase - 0.5) - 1.0;
        double fadeOut = t > 0.13 ? (0.16 - t) / 0.03 : 1.0;
        double attack = std::fmin(1.0, t / 0.001);
        track.add(from + i, tri * attack * std::exp(-t / 0.07) * fadeOut * velocity * 0.62, 0.0);
    }
}

void playChipSnare(MusicTrack& track, double start, double velocity) {
    dsp::Noise noise(noteSeed(start, 21));
    dsp::OnePole soften(6000.0);
    const long from = frameAt(start);
    const long n = frameAt(0.18);
    double held = 0.0;
    for (long i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        // The noise channel's coarse clock: each value held for a few samples.
        if (i % 3 == 0) held = noise.white();
        double rattle = soften.process(held) * std::exp(-t / 0.055);
        // A short drop in pitch, 240 to 180 Hz: the phase is the integral of that sweep.
        double tone = std::sin(2.0 * kPi * (180.0 * t + 60.0 * 0.02 * (1.0 - std::exp(-t / 0.02)))) * std::exp(-t / 0.03);
        double fadeOut = t > 0.15 ? (0.18 - t) / 0.03 : 1.0;
        double attack = std::fmin(1.0, t / 0.001);
        track.add(from + i, (0.8 * rattle + 0.5 * tone) * attack * velocity * 0.36 * fadeOut, -0.15);
    }
}

void playChipHat(MusicTrack& track, double start, double velocity) {
    dsp::Noise noise(noteSeed(start, 22));
    dsp::Biquad high = dsp::Biquad::highpass(6000.0, 0.7);
    const long from = frameAt(start);
    const long n = frameAt(0.06);
    for (long i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        double attack = std::fmin(1.0, t / 0.0005);
        track.add(from + i, high.process(noise.white()) * attack * std::exp(-t / 0.015) * velocity * 0.13, 0.3);
    }
}
