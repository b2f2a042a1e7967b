// score1.wav: the ball dropping into the goal box. The ball strikes the box floor with a
// hollow wooden thump, bounces a few times at shrinking heights (each bounce shorter and
// softer than the one before, as a real bounce series is), and then rattles away down the
// return channel until it comes to rest.
#include "Generator.h"
#include "audio/Dsp.h"
#include "audio/WavFile.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

using dsp::kPi;

// One landing of the ball in the box: the contact, the box's hollow modes and the ball.
void addLanding(std::vector<float>& s, double atSeconds, double strength, uint32_t seed) {
    int at = dsp::samplesFor(atSeconds);
    dsp::Noise noise(seed);
    // A hard ball on thin wood: a contact of about a millisecond.
    int width = dsp::samplesFor(0.0011);
    for (int i = 0; i < width && at + i < static_cast<int>(s.size()); ++i) {
        double p = static_cast<double>(i) / (width - 1);
        s[at + i] += static_cast<float>(strength * 0.8 * 0.5 * (1.0 - std::cos(2.0 * kPi * p)));
    }
    const double box[][3] = {
        {142.0, 0.55, 0.060}, {263.0, 0.45, 0.045}, {451.0, 0.30, 0.030},
        {722.0, 0.20, 0.020}, {1180.0, 0.12, 0.012}, {2900.0, 0.05, 0.007},
    };
    for (const auto& m : box) {
        // Each landing hits the floor at a different spot, so the modes' mix varies a little.
        double a = m[1] * noise.range(0.75, 1.25) * strength;
        dsp::addMode(s, at, m[0] * noise.range(0.98, 1.02), a, m[2], noise.range(0.0, kPi));
    }
}

// The ball rolling away along the channel: rumble that fades while it slows, with the
// small clicks of the channel's joints coming further and further apart.
void addRunOff(std::vector<float>& s, double fromSeconds, double toSeconds) {
    dsp::Noise noise(0x5C0E1u);
    dsp::Biquad low = dsp::Biquad::lowpass(600.0, 0.7);
    dsp::Biquad hollow = dsp::Biquad::bandpass(300.0, 2.5);
    int from = dsp::samplesFor(fromSeconds);
    int to = std::min(static_cast<int>(s.size()), dsp::samplesFor(toSeconds));
    double nextJoint = fromSeconds + 0.06;
    double jointGap = 0.07;
    for (int i = from; i < to; ++i) {
        double t = static_cast<double>(i) / dsp::kRate;
        double u = (t - fromSeconds) / (toSeconds - fromSeconds);
        double env = std::min(1.0, (t - fromSeconds) / 0.05) * std::pow(1.0 - u, 2.0);
        double w = noise.white();
        s[i] += static_cast<float>(0.28 * env * (low.process(w) + 0.8 * hollow.process(w)));
        if (t >= nextJoint) {
            dsp::addMode(s, i, 1350.0, 0.05 * env, 0.006);
            dsp::addMode(s, i, 480.0, 0.07 * env, 0.012);
            nextJoint += jointGap;
            jointGap *= 1.18;
        }
    }
}

std::vector<float> goalDrop() {
    std::vector<float> s(dsp::samplesFor(1.45), 0.0f);
    // Bounce heights shrink by a constant ratio, so the gaps between landings shrink by
    // its square root: 0.72 per bounce.
    double t = 0.002;
    double gap = 0.21;
    double strength = 1.0;
    for (int bounce = 0; bounce < 7; ++bounce) {
        addLanding(s, t, strength, 100 + bounce);
        t += gap;
        gap *= 0.72;
        strength *= 0.55;
    }
    addRunOff(s, t - 0.05, 1.42);
    dsp::Biquad hp = dsp::Biquad::highpass(40.0, 0.707);
    for (float& v : s) v = static_cast<float>(hp.process(v));
    dsp::fadeEdges(s, 0.0, 0.05);
    dsp::normalisePeak(s);
    return s;
}

bool generateGoalDropSound(const std::string& dir) {
    return saveWav16(dir + "/sounds/score1.wav", goalDrop(), 1, dsp::kRate);
}

}  // namespace

PITCHBAR_ASSET_GENERATOR("goal-drop-sound", generateGoalDropSound);
