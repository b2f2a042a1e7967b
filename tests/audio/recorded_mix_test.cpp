// What the listener actually hears: OpenAL Soft's wave backend records the mix to a file,
// and the recording is measured. Its own process, because the backend and its settings
// are read once per process.
#include "AudioTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <functional>
#include <thread>

namespace {

const std::string kRecording = "/tmp/pitchbar-recorded-mix-" + std::to_string(getpid()) + ".wav";
const std::string kConfig = "/tmp/pitchbar-recorded-mix-" + std::to_string(getpid()) + ".conf";

struct Recording {
    std::vector<float> left, right;
    float peak() const {
        float p = 0.0f;
        for (float s : left) p = std::max(p, std::fabs(s));
        for (float s : right) p = std::max(p, std::fabs(s));
        return p;
    }
    static float rms(const std::vector<float>& channel) {
        double sum = 0.0;
        for (float s : channel) sum += double(s) * s;
        return channel.empty() ? 0.0f : float(std::sqrt(sum / channel.size()));
    }
};

std::uint32_t le(const std::string& b, size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | std::uint8_t(b[at + i]);
    return v;
}

// The backend writes 16-bit stereo as configured below; the data chunk may still carry
// the placeholder size if the header was not patched, so it runs to the end of the file.
bool readRecording(Recording& out) {
    std::ifstream in(kRecording, std::ios::binary);
    std::string b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0) return false;
    int channels = 0, bits = 0;
    for (size_t at = 12; at + 8 <= b.size();) {
        std::string id = b.substr(at, 4);
        size_t size = le(b, at + 4, 4);
        if (id == "fmt ") {
            channels = int(le(b, at + 10, 2));
            bits = int(le(b, at + 22, 2));
        } else if (id == "data") {
            if (channels != 2 || bits != 16) return false;
            size_t end = std::min(b.size(), at + 8 + size);
            if (size == 0) end = b.size();
            for (size_t p = at + 8; p + 4 <= end; p += 4) {
                std::int16_t l, r;
                std::memcpy(&l, &b[p], 2);
                std::memcpy(&r, &b[p + 2], 2);
                out.left.push_back(l / 32768.0f);
                out.right.push_back(r / 32768.0f);
            }
            return true;
        }
        at += 8 + size + (size & 1);
    }
    return false;
}

class RecordedMixTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        std::ofstream conf(kConfig);
        conf << "[general]\nchannels = stereo\nsample-type = int16\nfrequency = 44100\n"
                "stereo-mode = speakers\nhrtf = false\n[wave]\nfile = "
             << kRecording << "\n";
        conf.close();
        setenv("ALSOFT_CONF", kConfig.c_str(), 1);
        setenv("ALSOFT_DRIVERS", "wave", 1);
    }
    static void TearDownTestSuite() {
        std::remove(kConfig.c_str());
        std::remove(kRecording.c_str());
    }

    // Starts the sound system, lets `start` set up what plays, keeps mixing for a while and
    // returns the recording of that session.
    Recording record(const std::function<void(SoundSystem&)>& start, int milliseconds = 350) {
        Recording out;
        {
            SoundSystem sounds;
            if (!sounds.init()) {
                ADD_FAILURE() << "wave backend did not open";
                return out;
            }
            start(sounds);
            std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        }
        EXPECT_TRUE(readRecording(out));
        EXPECT_GT(out.left.size(), 4410u);
        return out;
    }

    static void playKick(SoundSystem& sounds, float gain, const Vector3& at = {}) {
        const SoundHandle* kick = sounds.loadWav(soundPath("kick.wav"));
        ASSERT_NE(kick, nullptr);
        Voice* voice = sounds.allocateVoice(at);
        ASSERT_NE(voice, nullptr);
        ASSERT_TRUE(sounds.play(voice, kick, gain, false, true));
    }

    ErrorFile errors;
};

TEST_F(RecordedMixTest, AKickIsHeardInProportionToItsVolume) {
    Recording full = record([](SoundSystem& s) { playKick(s, 1.0f); });
    Recording quarter = record([](SoundSystem& s) { playKick(s, 0.25f); });
    EXPECT_GT(full.peak(), 0.2f);
    EXPECT_LT(full.peak(), 1.0f);
    EXPECT_NEAR(quarter.peak() / full.peak(), 0.25f, 0.05f);
    EXPECT_TRUE(errors.lines().empty());
}

TEST_F(RecordedMixTest, MasterVolumeZeroSilencesEffectsButNotTheMusic) {
    Recording silent = record([](SoundSystem& s) {
        s.setMasterVolume(0.0f);
        playKick(s, 1.0f);
    });
    EXPECT_LT(silent.peak(), 0.001f);

    Recording music = record([](SoundSystem& s) {
        s.setMasterVolume(0.0f);
        const SoundHandle* piece = s.loadOgg(musicPath());
        ASSERT_NE(piece, nullptr);
        Voice* voice = s.allocateVoice({});
        ASSERT_NE(voice, nullptr);
        ASSERT_TRUE(s.play(voice, piece, 0.6f, true, false));
        // The game applies the music volume this way, past the master volume.
        s.setVoiceUnscaled(voice, {}, 0.6f);
    });
    EXPECT_GT(Recording::rms(music.left), 0.01f);
    EXPECT_GT(Recording::rms(music.right), 0.01f);
}

TEST_F(RecordedMixTest, ASoundToTheRightOfTheListenerIsLouderOnTheRight) {
    // Listener at the origin looking along +z of the game with y up: game +x is its right.
    Recording right = record([](SoundSystem& s) {
        s.updateListener({}, {0.0f, 0.0f, 1.0f}, {0.0f, 1.0f, 0.0f});
        playKick(s, 1.0f, {60.0f, 0.0f, 0.0f});
    });
    EXPECT_GT(Recording::rms(right.right), 2.0f * Recording::rms(right.left));
}

}  // namespace
