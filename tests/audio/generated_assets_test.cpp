// Levels, lengths and loop seams of the generated sounds and music as the game decodes
// them: loud but not clipped (peaks near -3 dBFS), the right lengths, loops whose end
// runs into their start without a click, and music tracks equally loud.
#include "AudioTestSupport.h"
#include "audio/OggDecoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

struct Pcm {
    int channels = 0;
    int rate = 0;
    std::vector<float> samples;  // interleaved, [-1, 1]
    double seconds() const { return channels > 0 ? double(samples.size()) / channels / rate : 0.0; }
};

std::uint32_t le32(const char* p) {
    return std::uint32_t(std::uint8_t(p[0])) | std::uint32_t(std::uint8_t(p[1])) << 8 |
           std::uint32_t(std::uint8_t(p[2])) << 16 | std::uint32_t(std::uint8_t(p[3])) << 24;
}

void toFloats(const char* bytes, size_t size, Pcm& pcm) {
    pcm.samples.resize(size / 2);
    for (size_t i = 0; i < pcm.samples.size(); ++i) {
        std::int16_t s;
        std::memcpy(&s, bytes + 2 * i, 2);
        pcm.samples[i] = s / 32768.0f;
    }
}

// 16-bit PCM RIFF files only: what the generator writes.
bool readWav(const std::string& path, Pcm& pcm) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) return false;
    bool haveFormat = false;
    for (size_t at = 12; at + 8 <= bytes.size();) {
        std::string id = bytes.substr(at, 4);
        size_t size = le32(&bytes[at + 4]);
        if (at + 8 + size > bytes.size()) return false;
        const char* body = &bytes[at + 8];
        if (id == "fmt ") {
            if (size < 16 || (std::uint8_t(body[0]) | std::uint8_t(body[1]) << 8) != 1) return false;
            pcm.channels = std::uint8_t(body[2]) | std::uint8_t(body[3]) << 8;
            pcm.rate = int(le32(body + 4));
            if ((std::uint8_t(body[14]) | std::uint8_t(body[15]) << 8) != 16) return false;
            haveFormat = true;
        } else if (id == "data" && haveFormat) {
            toFloats(body, size, pcm);
            return true;
        }
        at += 8 + size + (size & 1);
    }
    return false;
}

double peakDb(const Pcm& pcm) {
    float peak = 0.0f;
    for (float s : pcm.samples) peak = std::max(peak, std::fabs(s));
    return 20.0 * std::log10(std::max(peak, 1e-9f));
}

// Largest step between neighbouring frames of one channel, and the step from the last
// frame back to the first, which is what a loop plays at its seam.
struct Steps {
    float typical = 0.0f;  // 99.9th percentile of the in-file steps
    float seam = 0.0f;
};
Steps channelSteps(const Pcm& pcm, int channel) {
    std::vector<float> steps;
    size_t frames = pcm.samples.size() / pcm.channels;
    for (size_t f = 1; f < frames; ++f)
        steps.push_back(std::fabs(pcm.samples[f * pcm.channels + channel] -
                                  pcm.samples[(f - 1) * pcm.channels + channel]));
    std::sort(steps.begin(), steps.end());
    Steps out;
    out.typical = steps[steps.size() * 999 / 1000];
    out.seam = std::fabs(pcm.samples[channel] - pcm.samples[(frames - 1) * pcm.channels + channel]);
    return out;
}

struct EffectExpectation {
    const char* name;
    double minSeconds;
    double maxSeconds;
};

TEST(GeneratedSounds, EffectsAreMonoCdRateWithHeadroomAndTheirLengths) {
    const EffectExpectation effects[] = {
        {"kick.wav", 0.05, 0.3},   {"ballwall.wav", 0.1, 0.5}, {"rodwall.wav", 0.15, 0.8},
        {"roll.wav", 1.0, 4.0},    {"score1.wav", 0.5, 2.5},   {"score2.wav", 1.0, 4.0},
        {"applause.wav", 3.0, 8.0},
    };
    for (const EffectExpectation& e : effects) {
        Pcm pcm;
        ASSERT_TRUE(readWav(soundPath(e.name), pcm)) << e.name;
        EXPECT_EQ(pcm.channels, 1) << e.name;
        EXPECT_EQ(pcm.rate, 44100) << e.name;
        EXPECT_GE(pcm.seconds(), e.minSeconds) << e.name;
        EXPECT_LE(pcm.seconds(), e.maxSeconds) << e.name;
        double db = peakDb(pcm);
        EXPECT_GT(db, -4.0) << e.name;
        EXPECT_LT(db, -2.0) << e.name;
    }
}

TEST(GeneratedSounds, OneShotsFadeOutToSilence) {
    for (const char* name : {"kick.wav", "ballwall.wav", "rodwall.wav", "score1.wav", "score2.wav", "applause.wav"}) {
        Pcm pcm;
        ASSERT_TRUE(readWav(soundPath(name), pcm)) << name;
        // The last 5 ms are quiet, so the voice does not end in a click.
        size_t tail = 44100 / 200;
        float loudest = 0.0f;
        for (size_t i = pcm.samples.size() - tail; i < pcm.samples.size(); ++i)
            loudest = std::max(loudest, std::fabs(pcm.samples[i]));
        EXPECT_LT(loudest, 0.02f) << name;
    }
}

TEST(GeneratedSounds, RollingLoopJoinsWithoutAClick) {
    Pcm pcm;
    ASSERT_TRUE(readWav(soundPath("roll.wav"), pcm));
    Steps steps = channelSteps(pcm, 0);
    EXPECT_LE(steps.seam, steps.typical);
}

double rmsDb(const Pcm& pcm) {
    double sum = 0.0;
    for (float s : pcm.samples) sum += double(s) * s;
    return 10.0 * std::log10(std::max(sum / std::max<size_t>(pcm.samples.size(), 1), 1e-18));
}

// The tracks the game plays in turn: the menu music first, then the match music.
TEST(GeneratedMusic, EveryTrackIsStereoNearAMinuteLoopsWithoutAClickAndIsAsLoudAsTheFirst) {
    const struct {
        const char* name;
        double minSeconds;
    } tracks[] = {{"precalc.dat", 60.0}, {"precalc2.dat", 45.0}, {"precalc3.dat", 45.0}, {"precalc4.dat", 45.0}};
    double firstRms = 0.0;
    for (const auto& track : tracks) {
        DecodedSound decoded;
        ASSERT_TRUE(decodeOggFile(resourcesDir() + "/precalc/" + track.name, decoded)) << track.name;
        Pcm pcm;
        pcm.channels = decoded.channels;
        pcm.rate = int(decoded.rate);
        toFloats(decoded.pcm.data(), decoded.pcm.size(), pcm);
        EXPECT_EQ(pcm.channels, 2) << track.name;
        EXPECT_EQ(pcm.rate, 44100) << track.name;
        EXPECT_GE(pcm.seconds(), track.minSeconds) << track.name;
        EXPECT_LE(pcm.seconds(), 75.0) << track.name;
        double db = peakDb(pcm);
        EXPECT_GT(db, -6.0) << track.name;
        EXPECT_LT(db, -1.0) << track.name;
        // A turn from one track to the next must not jump in loudness.
        if (firstRms == 0.0) firstRms = rmsDb(pcm);
        EXPECT_NEAR(rmsDb(pcm), firstRms, 2.0) << track.name;
        for (int channel = 0; channel < 2; ++channel) {
            Steps steps = channelSteps(pcm, channel);
            EXPECT_LE(steps.seam, steps.typical) << track.name << " channel " << channel;
        }
    }
}

}  // namespace
