// The lounge band: an FM electric piano whose tone wanders between the speakers, a
// vibraphone with its motor's tremolo, a round fingered bass, and soft drums.
#include "audio/MoreInstruments.h"
#include "audio/NoteShaping.h"

#include <cmath>

using dsp::kPi;
using notes::adsr;
using notes::frameAt;
using notes::notePhase;
using notes::noteSeed;

namespace {

// Quadratic fade after a held note's end.
double releaseGate(double t, double length, double release) {
    if (t <= length) return 1.0;
    double r = (t - length) / release;
    return r >= 1.0 ? 0.0 : (1.0 - r) * (1.0 - r);
}

}  // namespace

void playElectricPiano(MusicTrack& track, double start, double length, int note, double velocity, double pan) {
    const double f = midiToHz(note);
    const double phase = notePhase(note, start, 0);
    const double release = 0.18;
    const long from = frameAt(start);
    const long n = frameAt(length + release);
    // Lower notes ring longer, as a struck tine does.
    const double decay = 0.9 + 1.2 * 220.0 / (f + 220.0);
    for (long i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        double env = std::fmin(1.0, t / 0.002) * std::exp(-t / decay) * releaseGate(t, length, release);
        // Two operator pairs: the body (1:1, its brightness dying away) and the tine's
        // short metallic bark (a high ratio that is gone in a few tens of milliseconds).
        double index = velocity * (1.1 * std::exp(-t / 0.22) + 0.3);
        double p = 2.0 * kPi * (phase + f * t);
        double body = std::sin(p + index * std::sin(p));
        double tine = 0.22 * velocity * std::exp(-t / 0.025) * std::sin(p + 1.5 * std::sin(14.0 * p));
        // The suitcase amplifier's tremolo pans the note gently from side to side.
        double wander = pan + 0.35 * std::sin(2.0 * kPi * 3.2 * (start + t));
        track.add(from + i, (body + tine) * env * velocity * 0.11, std::fmax(-1.0, std::fmin(1.0, wander)));
    }
}

void playVibraphone(MusicTrack& track, double start, double length, int note, double velocity) {
    const double f = midiToHz(note);
    const double phase = notePhase(note, start, 1);
    // The damper pedal comes up at the note's end, quickly but not at once.
    const double release = 0.25;
    const long from = frameAt(start);
    const long n = frameAt(length + release);
    for (long i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        double env = std::fmin(1.0, t / 0.0015) * std::exp(-t / 1.6) * releaseGate(t, length, release);
        double p = 2.0 * kPi * (phase + f * t);
        // A tuned bar: the fundamental, the fourth harmonic and a short tenth.
        double x = std::sin(p) + 0.2 * std::exp(-t / 0.25) * std::sin(4.0 * p) +
                   0.05 * std::exp(-t / 0.04) * std::sin(10.0 * p);
        double tremolo = 1.0 - 0.28 * (0.5 + 0.5 * std::sin(2.0 * kPi * 5.0 * (start + t)));
        track.add(from + i, x * env * tremolo * velocity * 0.15, 0.15);
    }
}

void playRoundBass(MusicTrack& track, double start, double length, int note, double velocity) {
    const double f = midiToHz(note);
    dsp::BlepOscillator saw(notePhase(note, start, 0));
    dsp::StateVariableFilter filter;
    double sine = notePhase(note, start, 1);
    const double release = 0.06;
    const long from = frameAt(start);
    const long n = frameAt(length + release);
    for (long i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        double env = adsr(t, length, 0.006, 0.35, 0.55, release);
        sine += f / dsp::kRate;
        // The finger's pluck is the filter opening for a moment; the body is a sine.
        double x = 0.35 * saw.saw(f) + 0.9 * std::sin(2.0 * kPi * sine);
        double y = filter.lowpass(x, 220.0 + 900.0 * std::exp(-t / 0.06), 0.8);
        track.add(from + i, y * env * velocity * 0.42, 0.0);
    }
}

void playSoftKick(MusicTrack& track, double start, double velocity) {
    const long from = frameAt(start);
    const long n = frameAt(0.3);
    double phase = 0.0;
    for (long i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        double f = 52.0 + 55.0 * std::exp(-t / 0.03);
        phase += f / dsp::kRate;
        double fadeOut = t > 0.25 ? (0.3 - t) / 0.05 : 1.0;
        double y = std::sin(2.0 * kPi * phase) * std::fmin(1.0, t / 0.003) * std::exp(-t / 0.12) * fadeOut;
        track.add(from + i, y * velocity * 0.75, 0.0);
    }
}

void playRimshot(MusicTrack& track, double start, double velocity) {
    dsp::Noise noise(noteSeed(start, 11));
    dsp::Biquad band = dsp::Biquad::bandpass(2200.0, 1.5);
    const long from = frameAt(start);
    const long n = frameAt(0.12);
    for (long i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        // The stick across the rim: a woody knock and a short rattle of the head.
        double knock = (std::sin(2.0 * kPi * 820.0 * t) + 0.6 * std::sin(2.0 * kPi * 1630.0 * t)) * std::exp(-t / 0.018);
        double click = band.process(noise.white()) * std::exp(-t / 0.008);
        double fadeOut = t > 0.1 ? (0.12 - t) / 0.02 : 1.0;
        track.add(from + i, (0.5 * knock + 0.9 * click) * velocity * 0.3 * fadeOut, -0.2);
    }
}

void playShaker(MusicTrack& track, double start, double velocity) {
    dsp::Noise noise(noteSeed(start, 12));
    dsp::Biquad band = dsp::Biquad::bandpass(7000.0, 1.2);
    const long from = frameAt(start);
    const long n = frameAt(0.09);
    for (long i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        // Seeds thrown against the shell: a swell, not a hit.
        double env = std::fmin(1.0, t / 0.012) * std::exp(-t / 0.03);
        track.add(from + i, band.process(noise.white()) * env * velocity * 0.16, 0.4);
    }
}
