// The music's tracks in turn, on OpenAL Soft's silent backend with short loops: each turn
// cross-fades in a second at equal power and frees the old voice, the order runs round,
// and a track whose file is missing or damaged is passed over with its one line while the
// others play.
#include "AudioTestSupport.h"
#include "ShortMusicLoop.h"
#include "audio/MusicRotation.h"

#include <gtest/gtest.h>

namespace {

class MusicRotationTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        useNullAudioBackend();
        loopPath = "/tmp/pitchbar-music-rotation-" + std::to_string(getpid()) + ".ogg";
        ASSERT_TRUE(writeShortMusicLoop(loopPath, 2, kShortLoopFrames));
    }
    static void TearDownTestSuite() { std::remove(loopPath.c_str()); }
    void SetUp() override { ASSERT_TRUE(sounds.init()); }
    void TearDown() override { music.stop(); }

    // The gain OpenAL plays the current track at, and each voice's in slot order.
    float currentGain() { return sourceGain(sounds, music.currentVoice()); }
    std::vector<float> voiceGains() {
        std::vector<float> gains;
        for (const Voice* v : busyVoices(sounds)) gains.push_back(sourceGain(sounds, v));
        return gains;
    }
    void frames(int count, float dt) {
        for (int i = 0; i < count; ++i) {
            sounds.releaseFinished();
            music.update(dt);
        }
    }

    static std::string loopPath;
    ErrorFile errors;
    SoundSystem sounds;
    MusicRotation music;
};

std::string MusicRotationTest::loopPath;

TEST_F(MusicRotationTest, TracksTakeTurnsRoundTheListCrossFadingInASecond) {
    std::vector<const SoundHandle*> tracks;
    for (int i = 0; i < 3; ++i) tracks.push_back(sounds.loadOgg(loopPath));
    music.setGain(0.6f);
    music.start(&sounds, tracks);
    EXPECT_EQ(music.currentTrack(), 0);
    EXPECT_EQ(music.voiceCount(), 1);
    EXPECT_NEAR(currentGain(), 0.6f, 1e-5f) << "the first track starts at its full level";
    ASSERT_NE(sounds.streamerOf(music.currentVoice()), nullptr) << "streamed from its file";

    music.next();
    EXPECT_EQ(music.currentTrack(), 1);
    EXPECT_EQ(music.voiceCount(), 2);
    EXPECT_NEAR(currentGain(), 0.0f, 1e-5f) << "the new track comes in from silence";
    frames(25, 0.02f);  // half way
    std::vector<float> gains = voiceGains();
    ASSERT_EQ(gains.size(), 2u);
    EXPECT_NEAR(gains[0], gains[1], 1e-4f);
    EXPECT_NEAR(gains[0] * gains[0] + gains[1] * gains[1], 0.36f, 1e-3f) << "equal power all the way";
    // The settings and the pause reach both voices of a cross-fade.
    music.setGain(0.3f);
    gains = voiceGains();
    EXPECT_NEAR(gains[0] * gains[0] + gains[1] * gains[1], 0.09f, 1e-3f);
    music.setGain(0.6f);
    frames(26, 0.02f);
    EXPECT_EQ(music.voiceCount(), 1);
    EXPECT_EQ(sounds.voicesInUse(), 1) << "the old track's voice is free again";
    EXPECT_NEAR(currentGain(), 0.6f, 1e-5f);

    music.next();
    frames(1, 2.0f);  // a long frame ends the fade, not more
    EXPECT_EQ(music.currentTrack(), 2);
    EXPECT_EQ(sounds.voicesInUse(), 1);
    music.next();
    EXPECT_EQ(music.currentTrack(), 0) << "after the last, the first again";
    // Turns quicker than the fade (a match left at once): each track going out fades on,
    // and one coming round again while it fades turns back from where it is rather than
    // starting a second voice of itself.
    frames(10, 0.02f);
    music.next();
    EXPECT_EQ(music.currentTrack(), 1);
    EXPECT_EQ(music.voiceCount(), 3);
    music.next();
    EXPECT_EQ(music.currentTrack(), 2);
    EXPECT_EQ(music.voiceCount(), 3);
    EXPECT_GT(currentGain(), 0.1f);
    frames(60, 0.02f);
    EXPECT_EQ(music.voiceCount(), 1);
    EXPECT_EQ(music.currentTrack(), 2);
    EXPECT_NEAR(currentGain(), 0.6f, 1e-5f);
    EXPECT_TRUE(errors.lines().empty());

    music.stop();
    EXPECT_EQ(sounds.voicesInUse(), 0);
}

TEST_F(MusicRotationTest, AMissingOrDamagedTrackIsPassedOverWithItsLineAndTheOthersPlay) {
    const std::string missing = errors.path() + "-missing.ogg";
    const std::string damaged = errors.path() + "-damaged.ogg";
    std::vector<unsigned char> good = fileBytes(loopPath);
    writeFileBytes(damaged, std::vector<unsigned char>(good.begin(), good.begin() + good.size() / 2));
    const std::vector<const SoundHandle*> tracks = {sounds.loadOgg(missing), sounds.loadOgg(loopPath),
                                                    sounds.loadOgg(damaged), sounds.loadOgg(loopPath)};
    std::remove(damaged.c_str());
    EXPECT_EQ(errors.lines(), (std::vector<std::string>{"error: Loading music file: " + missing + " failed",
                                                         "error: Loading music file: " + damaged + " failed"}));

    music.setGain(0.6f);
    music.start(&sounds, tracks);
    EXPECT_EQ(music.currentTrack(), 1) << "a missing first track does not silence the music";
    EXPECT_NEAR(currentGain(), 0.6f, 1e-5f);
    std::vector<int> order;
    for (int turn = 0; turn < 4; ++turn) {
        music.next();
        frames(60, 0.02f);
        order.push_back(music.currentTrack());
        EXPECT_EQ(sourceState(sounds, music.currentVoice()), AL_PLAYING);
    }
    EXPECT_EQ(order, (std::vector<int>{3, 1, 3, 1}));
    EXPECT_EQ(errors.lines().size(), 2u) << "each bad file is told once, at its loading";

    // Nothing playable at all: silence, and no turn or frame fails.
    music.start(&sounds, {nullptr, nullptr});
    music.next();
    frames(3, 0.02f);
    EXPECT_EQ(music.currentTrack(), -1);
    EXPECT_EQ(sounds.voicesInUse(), 0);
}

}  // namespace
