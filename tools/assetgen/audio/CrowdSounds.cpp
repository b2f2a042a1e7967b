// The crowd around the table:
//  - score2.wav: a short cheer after a goal, a couple of seconds of "yeah!" from a few
//    dozen voices that burst in together and die away, over a roar of the rest;
//  - applause.wav: the applause at the end of a match, hands joining within half a
//    second, a few cheers at the start, and the clapping thinning out at the end.
#include "Generator.h"
#include "audio/Crowd.h"
#include "audio/Dsp.h"
#include "audio/WavFile.h"

#include <string>
#include <vector>

namespace {

std::vector<float> cheer() {
    std::vector<float> s(dsp::samplesFor(2.3), 0.0f);
    dsp::Noise random(0xC4EE5u);
    for (int v = 0; v < 40; ++v) {
        double start = random.range(0.0, 0.22);
        double hold = random.range(0.45, 1.0);
        double release = random.range(0.45, 0.8);
        addCheeringVoice(s, random, start, hold, release, random.range(0.5, 1.0));
    }
    addCrowdRoar(s, 0xC4EE6u, 0.12, 0.7, 1.3, 0.35);
    dsp::Biquad hp = dsp::Biquad::highpass(90.0, 0.707);
    for (float& v : s) v = static_cast<float>(hp.process(v));
    dsp::fadeEdges(s, 0.005, 0.15);
    dsp::normalisePeak(s);
    return s;
}

std::vector<float> applause() {
    const double length = 4.6;
    std::vector<float> s(dsp::samplesFor(length), 0.0f);
    dsp::Noise random(0xA99Au);
    for (int c = 0; c < 36; ++c) {
        double start = random.range(0.0, 0.5);
        // Most keep going for three to four seconds; the last stop near the end.
        double stop = random.range(2.6, length - 0.15);
        addClapper(s, random, start, stop, random.range(0.5, 1.0));
    }
    std::vector<float> voices(s.size(), 0.0f);
    for (int v = 0; v < 8; ++v) {
        addCheeringVoice(voices, random, random.range(0.1, 1.2), random.range(0.3, 0.7), random.range(0.3, 0.6), 1.0);
    }
    addCrowdRoar(voices, 0xA99Bu, 0.3, 1.0, 2.2, 0.5);
    // The voices sit under the hands.
    double handsPeak = dsp::peakOf(s);
    double voicesPeak = dsp::peakOf(voices);
    double mix = voicesPeak > 0.0 ? 0.22 * handsPeak / voicesPeak : 0.0;
    for (size_t i = 0; i < s.size(); ++i) s[i] += static_cast<float>(mix * voices[i]);
    dsp::fadeEdges(s, 0.02, 0.3);
    dsp::normalisePeak(s);
    return s;
}

bool generateCrowdSounds(const std::string& dir) {
    std::string sounds = dir + "/sounds/";
    return saveWav16(sounds + "score2.wav", cheer(), 1, dsp::kRate) &&
           saveWav16(sounds + "applause.wav", applause(), 1, dsp::kRate);
}

}  // namespace

PITCHBAR_ASSET_GENERATOR("crowd-sounds", generateCrowdSounds);
