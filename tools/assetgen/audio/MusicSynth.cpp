#include "audio/MusicSynth.h"

#include "audio/NoteShaping.h"

#include <cmath>

using dsp::kPi;
using notes::adsr;
using notes::frameAt;
using notes::notePhase;
using notes::noteSeed;

double midiToHz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

void playLead(MusicTrack& track, double start, double length, int note, double velocity) {
    double f = midiToHz(note);
    dsp::BlepOscillator a(notePhase(note, start, 0)), b(notePhase(note, start, 1));
    dsp::StateVariableFilter filter;
    const double release = 0.12;
    long from = frameAt(start);
    long n = frameAt(length + release);
    for (long i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        double env = adsr(t, length, 0.006, 0.12, 0.7, release);
        // Vibrato only on held notes, fading in as a singer's would.
        double vib = 1.0 + 0.004 * std::fmin(1.0, std::fmax(0.0, t - 0.18) / 0.2) * std::sin(2.0 * kPi * 5.5 * t);
        double x = 0.55 * a.pulse(f * vib, 0.32) + 0.45 * b.saw(f * vib * 1.004);
        double cutoff = 1800.0 + 3800.0 * std::exp(-t / 0.09) + f * 2.0;
        double y = filter.lowpass(x, cutoff, 0.9) * env * velocity * 0.30;
        track.add(from + i, y, 0.0);
    }
}

void playPad(MusicTrack& track, double start, double length, int note, double velocity) {
    double f = midiToHz(note);
    const double detune[3] = {0.994, 1.0, 1.006};
    const double pans[3] = {-0.7, 0.0, 0.7};
    dsp::BlepOscillator osc[3] = {dsp::BlepOscillator(notePhase(note, start, 0)),
                                  dsp::BlepOscillator(notePhase(note, start, 1)),
                                  dsp::BlepOscillator(notePhase(note, start, 2))};
    dsp::StateVariableFilter filters[3];
    const double release = 0.35;
    long from = frameAt(start);
    long n = frameAt(length + release);
    for (long i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        double env = adsr(t, length, 0.25, 0.3, 0.8, release) * velocity * 0.07;
        for (int v = 0; v < 3; ++v) {
            double y = filters[v].lowpass(osc[v].saw(f * detune[v]), 1300.0, 0.7);
            track.add(from + i, y * env, pans[v]);
        }
    }
}

void playStab(MusicTrack& track, double start, int note, double velocity, double pan) {
    double f = midiToHz(note);
    dsp::BlepOscillator a(notePhase(note, start, 0)), b(notePhase(note, start, 1));
    dsp::StateVariableFilter filter;
    long from = frameAt(start);
    long n = frameAt(0.22);
    for (long i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        double env = std::fmin(1.0, t / 0.003) * std::exp(-t / 0.06);
        double x = a.saw(f * 0.996) + b.saw(f * 1.004);
        double y = filter.lowpass(x, 700.0 + 3200.0 * std::exp(-t / 0.04), 1.1) * env * velocity * 0.085;
        track.add(from + i, y, pan);
    }
}

void playBass(MusicTrack& track, double start, double length, int note, double velocity) {
    double f = midiToHz(note);
    dsp::BlepOscillator saw(notePhase(note, start, 0));
    double subPhase = 0.0;
    dsp::StateVariableFilter filter;
    const double release = 0.03;
    long from = frameAt(start);
    long n = frameAt(length + release);
    for (long i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        double env = adsr(t, length, 0.004, 0.08, 0.75, release);
        subPhase += f / dsp::kRate;
        double x = 0.6 * saw.saw(f) + 0.7 * std::sin(2.0 * kPi * subPhase);
        double y = filter.lowpass(x, 260.0 + 1400.0 * std::exp(-t / 0.05), 1.4) * env * velocity * 0.34;
        track.add(from + i, y, 0.0);
    }
}

void playPluck(MusicTrack& track, double start, int note, double velocity, double pan) {
    double f = midiToHz(note);
    long from = frameAt(start);
    long n = frameAt(0.35);
    double phase = notePhase(note, start, 0);
    for (long i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        double env = std::fmin(1.0, t / 0.002) * std::exp(-t / 0.09);
        double p = 2.0 * kPi * (phase + f * t);
        // A bell-like tone: the fundamental with a quickly dying octave and twelfth.
        double x = std::sin(p) + 0.5 * std::exp(-t / 0.03) * std::sin(2.0 * p) + 0.25 * std::exp(-t / 0.02) * std::sin(3.0 * p);
        track.add(from + i, x * env * velocity * 0.12, pan);
    }
}

void playKickDrum(MusicTrack& track, double start, double velocity) {
    long from = frameAt(start);
    long n = frameAt(0.35);
    double phase = 0.0;
    for (long i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        double f = 48.0 + 110.0 * std::exp(-t / 0.035);
        phase += f / dsp::kRate;
        double body = std::sin(2.0 * kPi * phase) * std::exp(-t / 0.16);
        double click = std::exp(-t / 0.002) * std::sin(2.0 * kPi * 1600.0 * t) * 0.25;
        double fadeOut = t > 0.3 ? (0.35 - t) / 0.05 : 1.0;
        track.add(from + i, (body + click) * velocity * 0.85 * fadeOut, 0.0);
    }
}

void playClap(MusicTrack& track, double start, double velocity) {
    dsp::Noise noise(noteSeed(start, 2));
    dsp::Biquad band = dsp::Biquad::bandpass(1300.0, 1.3);
    long from = frameAt(start);
    long n = frameAt(0.25);
    for (long i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        // Three hands a few milliseconds apart, then the room.
        double env = 0.0;
        for (int k = 0; k < 3; ++k) {
            double tk = t - k * 0.009;
            if (tk >= 0.0) env += std::exp(-tk / 0.006);
        }
        env += 0.5 * std::exp(-t / 0.07);
        double y = band.process(noise.white()) * env * velocity * 0.55;
        track.add(from + i, y, 0.1);
    }
}

void playSnare(MusicTrack& track, double start, double velocity) {
    dsp::Noise noise(noteSeed(start, 3));
    dsp::Biquad band = dsp::Biquad::highpass(1200.0, 0.7);
    long from = frameAt(start);
    long n = frameAt(0.2);
    for (long i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        double tone = std::sin(2.0 * kPi * 190.0 * t) * std::exp(-t / 0.03);
        double rattle = band.process(noise.white()) * std::exp(-t / 0.05);
        track.add(from + i, (0.5 * tone + 0.8 * rattle) * velocity * 0.45, -0.1);
    }
}

void playHat(MusicTrack& track, double start, double velocity, bool open) {
    dsp::Noise noise(noteSeed(start, open ? 5 : 4));
    dsp::Biquad high = dsp::Biquad::highpass(7000.0, 0.7);
    dsp::Biquad shine = dsp::Biquad::bandpass(10000.0, 2.0);
    double decay = open ? 0.16 : 0.028;
    long from = frameAt(start);
    long n = frameAt(decay * 6.0);
    for (long i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        double w = noise.white();
        double y = (high.process(w) + 0.6 * shine.process(w)) * std::exp(-t / decay);
        track.add(from + i, y * velocity * 0.16, 0.35);
    }
}

void playCrash(MusicTrack& track, double start, double velocity) {
    dsp::Noise noise(noteSeed(start, 6));
    dsp::Biquad high = dsp::Biquad::highpass(4000.0, 0.6);
    dsp::Biquad body = dsp::Biquad::bandpass(6500.0, 0.8);
    long from = frameAt(start);
    long n = frameAt(1.8);
    for (long i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        double w = noise.white();
        double env = std::fmin(1.0, t / 0.002) * std::exp(-t / 0.55) * (t > 1.6 ? (1.8 - t) / 0.2 : 1.0);
        double y = (high.process(w) + 0.5 * body.process(w)) * env * velocity * 0.13;
        track.add(from + i, y, -0.3);
    }
}
