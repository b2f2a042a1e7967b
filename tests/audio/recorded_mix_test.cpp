// What the listener actually hears: OpenAL Soft's wave backend records the mix to a file,
// and the recording is measured. Its own process, because the backend and its settings
// are read once per process.
#include "AudioTestSupport.h"
#include "ShortMusicLoop.h"

#include "audio/OpenALTableSounds.h"
#include "display/TableCamera.h"
#include "core/math/Matrix4.h"
#include "render/Camera.h"
#include "simulation/Simulation.h"

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
    // returns the recording of that session. With PITCHBAR_KEEP_MIX naming a folder, the
    // recording is also kept there as <keepAs>.wav for a closer look.
    Recording record(const std::function<void(SoundSystem&)>& start, int milliseconds = 350,
                     const std::string& keepAs = "") {
        Recording out;
        {
            SoundSystem sounds;
            if (!sounds.init()) {
                ADD_FAILURE() << "wave backend did not open";
                return out;
            }
            start(sounds);
            // The game's frames: the sound system is looked after about 60 times a second.
            const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
            while (std::chrono::steady_clock::now() < end) {
                sounds.releaseFinished();
                std::this_thread::sleep_for(std::chrono::milliseconds(16));
            }
        }
        EXPECT_TRUE(readRecording(out));
        EXPECT_GT(out.left.size(), 4410u);
        const char* keep = std::getenv("PITCHBAR_KEEP_MIX");
        if (keep != nullptr && !keepAs.empty()) {
            std::ifstream from(kRecording, std::ios::binary);
            std::ofstream to(std::string(keep) + "/" + keepAs + ".wav", std::ios::binary);
            to << from.rdbuf();
        }
        return out;
    }

    // The listener where a match puts it: at the table camera, facing as it faces.
    static void listenAsInAMatch(SoundSystem& sounds) {
        Camera camera;
        setTableCamera(camera);
        const Matrix4 turn = matrixRotationQuaternion(camera.orientation);
        sounds.updateListener(Vector3(camera.x, camera.y, camera.z),
                              transformCoord(Vector3(0.0f, 0.0f, 1.0f), turn),
                              transformCoord(Vector3(0.0f, 1.0f, 0.0f), turn));
    }

    // One match frame of the table with its real sound player: `setUp` places the ball and
    // the rods, then sixteen 1 ms steps and the end of the frame.
    // A sound cache for this session; the previous session's handles died with its sound system.
    static SoundFolder* freshFolder(SoundSystem& sounds) {
        static SoundFolder* folder = nullptr;
        delete folder;
        return folder = new SoundFolder(&sounds);
    }

    static void playTableFrame(SoundSystem& sounds, const std::function<void(Simulation&)>& setUp) {
        OpenALTableSounds table(&sounds, freshFolder(sounds));
        Simulation sim;
        sim.tableSounds = &table;
        for (Team& team : sim.teams)
            for (Rod& rod : team.rods) rod.angle = rod.previousAngle = 1.5707964f;  // out of the way
        setUp(sim);
        for (int i = 0; i < 16; ++i) sim.step(0.001f);
        table.endFrame();
    }

    static float decibels(float ratio) { return 20.0f * std::log10(ratio); }

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

TEST_F(RecordedMixTest, TableHitsAreHeardWhereTheyHappen) {
    // The player's goal is on the listener's left. A kick by the goalkeeper...
    Recording kick = record(
        [](SoundSystem& s) {
            listenAsInAMatch(s);
            playTableFrame(s, [](Simulation& sim) {
                Rod& keeper = sim.teams[0].rods[0];
                keeper.angle = keeper.previousAngle = 0.0f;
                keeper.angularVelocity = 20.0f;
                sim.placeBall(9.0f, 33.2f);
            });
        },
        350, "kick-by-the-players-goalkeeper");
    // ... and the ball hitting the opponent's end wall beside its goal.
    Recording wall = record(
        [](SoundSystem& s) {
            listenAsInAMatch(s);
            playTableFrame(s, [](Simulation& sim) {
                sim.placeBall(117.5f, 10.0f);
                sim.ballVelocity = {50.0f, 0.0f, 0.0f};
                sim.ballAtRest = false;
            });
        },
        350, "ball-hits-the-far-end-wall");
    const float kickRight = decibels(Recording::rms(kick.right) / Recording::rms(kick.left));
    const float wallRight = decibels(Recording::rms(wall.right) / Recording::rms(wall.left));
    std::printf("kick by the player's goalkeeper: %+.1f dB right; far end wall: %+.1f dB right\n", kickRight,
                wallRight);
    EXPECT_LT(kickRight, -6.0f) << "heard on the left, at the player's goal";
    EXPECT_GT(wallRight, 6.0f) << "heard on the right, at the opponent's goal";
}

TEST_F(RecordedMixTest, HitsInSeveralStepsOfAFrameAreNoLouderThanTheLoudest) {
    Recording single = record(
        [](SoundSystem& s) {
            listenAsInAMatch(s);
            playTableFrame(s, [](Simulation& sim) {
                sim.teams[0].rods[2].angle = sim.teams[0].rods[2].previousAngle = 0.0f;
                sim.teams[0].rods[2].angularVelocity = 20.0f;
                sim.placeBall(54.0f, 33.2f);
            });
        },
        350, "one-kick");
    // The midfield's three middle figures each meet a ball in turn within one frame, as
    // happens when a ball is hammered between feet: three full kicks asked for in one frame.
    Recording burst = record(
        [](SoundSystem& s) {
            listenAsInAMatch(s);
            OpenALTableSounds table(&s, freshFolder(s));
            for (int step = 0; step < 3; ++step) table.playKick({-4.7f + 0.2f * step, 1.8f, 0.0f}, 1.0f);
            table.endFrame();
        },
        350, "three-kicks-in-one-frame");
    ASSERT_GT(single.peak(), 0.1f);
    std::printf("peak of one kick %.3f, of three kicks in one frame %.3f (%.2f times)\n", single.peak(), burst.peak(),
                burst.peak() / single.peak());
    EXPECT_LT(burst.peak(), 1.15f * single.peak());
}

TEST_F(RecordedMixTest, StreamedMusicIsHeardRoundItsLoopWithoutAGap) {
    const std::string path = errors.path() + "-loop.ogg";
    ASSERT_TRUE(writeShortMusicLoop(path, 2, kShortLoopFrames));
    const std::vector<std::int16_t> piece = decodedSamples(path);
    ASSERT_FALSE(piece.empty());
    // Three passes and more of the 0.73 s loop.
    Recording heard = record(
        [&](SoundSystem& s) {
            Voice* voice = s.allocateVoice({});
            ASSERT_NE(voice, nullptr);
            ASSERT_TRUE(s.play(voice, s.loadOgg(path), 1.0f, true, false));
        },
        2600, "streamed-loop");
    std::remove(path.c_str());

    // Where the piece begins in the recording: the first clearly heard sample.
    std::size_t start = 0;
    while (start < heard.left.size() && std::fabs(heard.left[start]) < 0.01f) ++start;
    ASSERT_LT(start, heard.left.size());
    const std::size_t frames = piece.size() / 2;
    // The piece's own first samples are faint; the onset found is at most a few of them in.
    std::size_t lead = 0;
    while (lead < frames && std::fabs(piece[2 * lead] / 32768.0f) < 0.01f) ++lead;
    ASSERT_GE(start, lead);
    start -= lead;
    const std::size_t span = 3 * frames;
    ASSERT_GE(heard.left.size(), start + span) << "recorded too little after the music started";

    // Against the piece repeated end to start: the same samples, nothing missing or doubled
    // at the seams, within the mixer's rounding.
    double signal = 0.0, error = 0.0, worst = 0.0;
    for (std::size_t i = 0; i < span; ++i) {
        for (int c = 0; c < 2; ++c) {
            const double expected = piece[2 * (i % frames) + c] / 32768.0;
            const double got = c == 0 ? heard.left[start + i] : heard.right[start + i];
            signal += expected * expected;
            error += (got - expected) * (got - expected);
            worst = std::max(worst, std::fabs(got - expected));
        }
    }
    std::printf("streamed loop against the piece: error %.1f dB below the signal, worst sample %.4f\n",
                10.0 * std::log10(error / signal), worst);
    EXPECT_LT(error, signal * 1e-5);
    EXPECT_LT(worst, 0.01);
    EXPECT_TRUE(errors.lines().empty());
}

}  // namespace
