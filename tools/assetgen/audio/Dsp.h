#pragma once
// Small deterministic signal-processing kit for the synthesised sounds and music: a seeded
// noise source, RBJ biquad filters, a one-pole smoother and level helpers. Everything runs
// in double precision on mono float buffers at 44.1 kHz; the same seed gives the same bytes.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace dsp {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

inline int samplesFor(double seconds) { return static_cast<int>(std::lround(seconds * kRate)); }

// xorshift32: fast, and fixed seeds keep every generated file identical between builds.
class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed != 0 ? seed : 0x9E3779B9u) {}
    uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // Uniform in [0, 1).
    double uniform() { return (next() >> 8) * (1.0 / 16777216.0); }
    // Uniform in [-1, 1).
    double white() { return uniform() * 2.0 - 1.0; }
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }

private:
    uint32_t state_;
};

// Robert Bristow-Johnson's cookbook biquads, direct form I.
class Biquad {
public:
    static Biquad lowpass(double freq, double q) { return make(freq, q, Kind::Lowpass); }
    static Biquad highpass(double freq, double q) { return make(freq, q, Kind::Highpass); }
    // Band-pass with 0 dB gain at the centre.
    static Biquad bandpass(double freq, double q) { return make(freq, q, Kind::Bandpass); }

    double process(double x) {
        double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    enum class Kind { Lowpass, Highpass, Bandpass };
    static Biquad make(double freq, double q, Kind kind) {
        double w = 2.0 * kPi * freq / kRate;
        double alpha = std::sin(w) / (2.0 * q);
        double c = std::cos(w);
        double b0 = 0, b1 = 0, b2 = 0;
        switch (kind) {
        case Kind::Lowpass: b0 = (1 - c) / 2; b1 = 1 - c; b2 = (1 - c) / 2; break;
        case Kind::Highpass: b0 = (1 + c) / 2; b1 = -(1 + c); b2 = (1 + c) / 2; break;
        case Kind::Bandpass: b0 = alpha; b1 = 0; b2 = -alpha; break;
        }
        double a0 = 1 + alpha;
        Biquad f;
        f.b0_ = b0 / a0;
        f.b1_ = b1 / a0;
        f.b2_ = b2 / a0;
        f.a1_ = -2 * c / a0;
        f.a2_ = (1 - alpha) / a0;
        return f;
    }
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// One-pole low-pass; also a smoother for control signals.
class OnePole {
public:
    explicit OnePole(double freq) : k_(1.0 - std::exp(-2.0 * kPi * freq / kRate)) {}
    double process(double x) { return y_ += k_ * (x - y_); }

private:
    double k_;
    double y_ = 0.0;
};

// Topology-preserving state-variable filter (Zavalishin): its cutoff may change every
// sample without zipper noise or blowing up, which the synth voices' filter sweeps need.
class StateVariableFilter {
public:
    // Returns the low-pass output at the given cutoff and resonance.
    double lowpass(double x, double cutoff, double q) {
        double g = std::tan(kPi * std::fmin(cutoff, 0.45 * kRate) / kRate);
        double k = 1.0 / q;
        double a1 = 1.0 / (1.0 + g * (g + k));
        double v3 = x - ic2_;
        double v1 = a1 * ic1_ + g * a1 * v3;
        double v2 = ic2_ + g * v1;
        ic1_ = 2.0 * v1 - ic1_;
        ic2_ = 2.0 * v2 - ic2_;
        return v2;
    }

private:
    double ic1_ = 0.0;
    double ic2_ = 0.0;
};

// Band-limited sawtooth and pulse (polyBLEP): the buzz of a synthesiser or a voice without
// the whistling aliases of naive waveforms.
class BlepOscillator {
public:
    explicit BlepOscillator(double phase = 0.0) : phase_(phase) {}
    // Sawtooth in [-1, 1].
    double saw(double freq) {
        double dt = advance(freq);
        return 2.0 * phase_ - 1.0 - blep(phase_, dt);
    }
    // Pulse with the given duty cycle in (0, 1).
    double pulse(double freq, double duty) {
        double dt = advance(freq);
        double shifted = phase_ + (1.0 - duty);
        if (shifted >= 1.0) shifted -= 1.0;
        double a = 2.0 * phase_ - 1.0 - blep(phase_, dt);
        double b = 2.0 * shifted - 1.0 - blep(shifted, dt);
        return a - b;
    }

private:
    double advance(double freq) {
        double dt = freq / kRate;
        phase_ += dt;
        if (phase_ >= 1.0) phase_ -= 1.0;
        return dt;
    }
    static double blep(double t, double dt) {
        if (t < dt) {
            t /= dt;
            return t + t - t * t - 1.0;
        }
        if (t > 1.0 - dt) {
            t = (t - 1.0) / dt;
            return t * t + t + t + 1.0;
        }
        return 0.0;
    }
    double phase_;
};

// Adds a decaying sine (one vibration mode of a struck body) starting at sample `start`.
inline void addMode(std::vector<float>& out, int start, double freq, double amplitude, double decaySeconds,
                    double phase = 0.0) {
    double w = 2.0 * kPi * freq / kRate;
    double decay = std::exp(-1.0 / (decaySeconds * kRate));
    double env = amplitude;
    for (int i = start; i < static_cast<int>(out.size()) && env > 1e-6; ++i) {
        out[i] += static_cast<float>(env * std::sin(w * (i - start) + phase));
        env *= decay;
    }
}

inline double peakOf(const std::vector<float>& s) {
    double peak = 0.0;
    for (float v : s) peak = std::fmax(peak, std::fabs(v));
    return peak;
}

inline double rmsOf(const std::vector<float>& s) {
    double sum = 0.0;
    for (float v : s) sum += static_cast<double>(v) * v;
    return s.empty() ? 0.0 : std::sqrt(sum / s.size());
}

// Scales so that the loudest sample sits at `peakDb` dBFS (-3 dB leaves headroom for the
// encoder and for OpenAL's resampler).
inline void normalisePeak(std::vector<float>& s, double peakDb = -3.0) {
    double peak = peakOf(s);
    if (peak <= 0.0) return;
    double gain = std::pow(10.0, peakDb / 20.0) / peak;
    for (float& v : s) v = static_cast<float>(v * gain);
}

// Short linear fades so that a sound never starts or ends on a step.
inline void fadeEdges(std::vector<float>& s, double inSeconds, double outSeconds) {
    int n = static_cast<int>(s.size());
    int in = std::min(n, samplesFor(inSeconds));
    int out = std::min(n, samplesFor(outSeconds));
    for (int i = 0; i < in; ++i) s[i] *= static_cast<float>(i) / in;
    for (int i = 0; i < out; ++i) s[n - 1 - i] *= static_cast<float>(i) / out;
}

}  // namespace dsp
