// The sound system on OpenAL Soft's silent backend: start-up and tear-down, loading the
// generated files and broken ones, the voice pool, the master volume and the listener.
#include "AudioTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

class SoundSystemTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { useNullAudioBackend(); }
    void SetUp() override { ASSERT_TRUE(sounds.init()); }

    ErrorFile errors;
    SoundSystem sounds;
};

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

TEST_F(SoundSystemTest, InitReachesTheLastStageAndShutdownUndoesIt) {
    EXPECT_EQ(sounds.initStage(), 3);
    EXPECT_TRUE(errors.lines().empty());
    sounds.shutdown();
    EXPECT_EQ(sounds.initStage(), 0);
    EXPECT_EQ(sounds.allocateVoice({}), nullptr);
    // A second start after a full tear-down works again.
    EXPECT_TRUE(sounds.init());
    EXPECT_EQ(sounds.initStage(), 3);
}

TEST_F(SoundSystemTest, GeneratedSoundsAndMusicLoadIntoConsecutiveBuffers) {
    const char* names[] = {"roll.wav", "score1.wav", "score2.wav", "kick.wav",
                           "rodwall.wav", "ballwall.wav", "applause.wav"};
    int expected = 0;
    for (const char* name : names) {
        const SoundHandle* handle = sounds.loadWav(soundPath(name));
        ASSERT_NE(handle, nullptr) << name;
        EXPECT_EQ(handle->bufferIndex, expected++);
    }
    const SoundHandle* music = sounds.loadOgg(musicPath());
    ASSERT_NE(music, nullptr);
    EXPECT_EQ(music->bufferIndex, 7);
    EXPECT_EQ(sounds.bufferCount(), 8);
    EXPECT_TRUE(errors.lines().empty());

    // The music is streamed through a short queue of its own, not held decoded whole.
    Voice* voice = sounds.allocateVoice({});
    ASSERT_TRUE(sounds.play(voice, music, 0.6f, true, false));
    ASSERT_NE(sounds.streamerOf(voice), nullptr);
    ALint type = 0, queued = 0;
    alGetSourcei(sounds.sourceOf(voice), AL_SOURCE_TYPE, &type);
    alGetSourcei(sounds.sourceOf(voice), AL_BUFFERS_QUEUED, &queued);
    EXPECT_EQ(type, AL_STREAMING);
    EXPECT_EQ(queued, MusicStreamer::kQueueBuffers);
    EXPECT_EQ(sourceState(sounds, voice), AL_PLAYING);
    // Effects keep their whole buffers.
    Voice* effect = sounds.allocateVoice({});
    ASSERT_TRUE(sounds.play(effect, sounds.loadWav(soundPath("kick.wav")), 1.0f, false, true));
    EXPECT_EQ(sounds.streamerOf(effect), nullptr);
}

TEST_F(SoundSystemTest, BrokenAndMissingFilesReportALineAndKeepTheirBuffer) {
    std::string corruptWav = errors.path() + ".wav";
    std::string corruptOgg = errors.path() + ".ogg";
    writeFile(corruptWav, "RIFF\x10\x00\x00\x00WAVEjunkjunkjunkjunk");
    writeFile(corruptOgg, "OggS this is not a vorbis stream at all");

    EXPECT_EQ(sounds.loadWav(corruptWav), nullptr);
    EXPECT_EQ(sounds.loadWav("/nonexistent/kick.wav"), nullptr);
    EXPECT_EQ(sounds.loadOgg(corruptOgg), nullptr);
    EXPECT_EQ(sounds.loadOgg("/nonexistent/precalc.dat"), nullptr);
    std::remove(corruptWav.c_str());
    std::remove(corruptOgg.c_str());

    std::vector<std::string> lines = errors.lines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "error: Loading sound file: " + corruptWav + " failed");
    EXPECT_EQ(lines[1], "error: Loading sound file: /nonexistent/kick.wav failed");
    EXPECT_EQ(lines[2], "error: Loading music file: " + corruptOgg + " failed");
    EXPECT_EQ(lines[3], "error: Loading music file: /nonexistent/precalc.dat failed");

    // None of the failures used up a buffer.
    EXPECT_EQ(sounds.bufferCount(), 0);
    const SoundHandle* kick = sounds.loadWav(soundPath("kick.wav"));
    ASSERT_NE(kick, nullptr);
    EXPECT_EQ(kick->bufferIndex, 0);
}

TEST_F(SoundSystemTest, TheSeventeenthFileIsRefusedAndTheEarlierOnesStillPlay) {
    std::vector<const SoundHandle*> handles;
    for (int i = 0; i < 16; ++i) handles.push_back(sounds.loadWav(soundPath("kick.wav")));
    for (const SoundHandle* handle : handles) ASSERT_NE(handle, nullptr);
    EXPECT_EQ(sounds.loadWav(soundPath("ballwall.wav")), nullptr);
    EXPECT_EQ(sounds.loadOgg(musicPath()), nullptr);
    EXPECT_EQ(errors.lines(),
              (std::vector<std::string>{"error: Out of sound buffers.", "error: Out of sound buffers."}));

    for (const SoundHandle* handle : {handles.front(), handles.back()}) {
        Voice* voice = sounds.allocateVoice({});
        ASSERT_NE(voice, nullptr);
        EXPECT_TRUE(sounds.play(voice, handle, 1.0f, false, true));
        EXPECT_EQ(sourceState(sounds, voice), AL_PLAYING);
    }
}

TEST_F(SoundSystemTest, VoicePoolHandsOutSixteenSourcesAndReusesFreedSlots) {
    std::vector<Voice*> voices;
    for (int i = 0; i < 16; ++i) {
        Voice* voice = sounds.allocateVoice({});
        ASSERT_NE(voice, nullptr);
        EXPECT_EQ(voice->slot, i);
        EXPECT_EQ(voice->owner, &sounds);
        EXPECT_FALSE(voice->autoRelease);
        voices.push_back(voice);
    }
    EXPECT_EQ(sounds.allocateVoice({}), nullptr);
    sounds.stopVoice(voices[5]);
    Voice* again = sounds.allocateVoice({});
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->slot, 5);
    EXPECT_EQ(sounds.voicesInUse(), 16);
    EXPECT_TRUE(errors.lines().empty());
}

TEST_F(SoundSystemTest, FinishedOneShotsAreFreedLoopsStayUntilStopped) {
    const SoundHandle* kick = sounds.loadWav(soundPath("kick.wav"));
    const SoundHandle* roll = sounds.loadWav(soundPath("roll.wav"));
    Voice* shot = sounds.allocateVoice({});
    Voice* loop = sounds.allocateVoice({});
    ASSERT_TRUE(sounds.play(shot, kick, 1.0f, false, true));
    ASSERT_TRUE(sounds.play(loop, roll, 1.0f, true, false));

    sounds.releaseFinished();
    EXPECT_EQ(sounds.voicesInUse(), 2);  // still playing

    // The 0.12 s kick runs out on its own; the loop keeps going.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (sourceState(sounds, shot) != AL_STOPPED && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_EQ(sourceState(sounds, shot), AL_STOPPED);
    sounds.releaseFinished();
    EXPECT_EQ(sounds.voiceAt(0), nullptr);
    EXPECT_EQ(sounds.voiceAt(1), loop);
    EXPECT_EQ(sourceState(sounds, loop), AL_PLAYING);

    // Even a stopped loop is only freed by stopVoice.
    alSourceStop(sounds.sourceOf(loop));
    sounds.releaseFinished();
    EXPECT_EQ(sounds.voiceAt(1), loop);
    sounds.stopVoice(loop);
    EXPECT_EQ(sounds.voicesInUse(), 0);
    EXPECT_TRUE(errors.lines().empty());
}

TEST_F(SoundSystemTest, PlayingNothingGivesTheVoiceBackAtOnce) {
    Voice* voice = sounds.allocateVoice({});
    ASSERT_NE(voice, nullptr);
    EXPECT_FALSE(sounds.play(voice, nullptr, 1.0f, false, true));
    EXPECT_EQ(sounds.voicesInUse(), 0);
    // Null voices and a null handle are ignored everywhere.
    EXPECT_FALSE(sounds.play(nullptr, nullptr, 1.0f, false, true));
    sounds.updateVoice(nullptr, {}, 1.0f);
    sounds.setVoiceUnscaled(nullptr, {}, 1.0f);
    sounds.stopVoice(nullptr);
    sounds.releaseFinished();
    EXPECT_TRUE(errors.lines().empty());
}

TEST_F(SoundSystemTest, MasterVolumeScalesEffectsButNotUnscaledVoices) {
    const SoundHandle* kick = sounds.loadWav(soundPath("kick.wav"));
    sounds.setMasterVolume(0.5f);
    Voice* effect = sounds.allocateVoice({});
    ASSERT_TRUE(sounds.play(effect, kick, 0.8f, true, false));
    EXPECT_FLOAT_EQ(sourceGain(sounds, effect), 0.4f);
    sounds.updateVoice(effect, {}, 0.6f);
    EXPECT_FLOAT_EQ(sourceGain(sounds, effect), 0.3f);

    sounds.setMasterVolume(0.0f);
    Voice* silent = sounds.allocateVoice({});
    ASSERT_TRUE(sounds.play(silent, kick, 1.0f, false, true));
    EXPECT_FLOAT_EQ(sourceGain(sounds, silent), 0.0f);
    EXPECT_EQ(sounds.voicesInUse(), 2);  // a silent effect still takes its voice

    Voice* music = sounds.allocateVoice({});
    ASSERT_TRUE(sounds.play(music, kick, 0.6f, true, false));
    sounds.setVoiceUnscaled(music, {}, 0.6f);
    EXPECT_FLOAT_EQ(sourceGain(sounds, music), 0.6f);
}

TEST_F(SoundSystemTest, PositionsReachOpenALInItsOwnUnitsAndHandedness) {
    Voice* voice = sounds.allocateVoice({150.0f, 20.0f, 66.4f});
    ASSERT_NE(voice, nullptr);
    Vector3 p = sourcePosition(sounds, voice);
    EXPECT_FLOAT_EQ(p.x, 1.5f);
    EXPECT_FLOAT_EQ(p.y, 0.2f);
    EXPECT_FLOAT_EQ(p.z, -0.664f);
    sounds.updateVoice(voice, {-60.5f, 0.0f, -10.0f}, 1.0f);
    p = sourcePosition(sounds, voice);
    EXPECT_FLOAT_EQ(p.x, -0.605f);
    EXPECT_FLOAT_EQ(p.z, 0.1f);

    sounds.updateListener({58.7f, 120.0f, -80.0f}, {0.0f, -0.6f, 0.8f}, {0.0f, 0.8f, 0.6f});
    float listener[3] = {};
    alGetListenerfv(AL_POSITION, listener);
    EXPECT_FLOAT_EQ(listener[0], 0.587f);
    EXPECT_FLOAT_EQ(listener[1], 1.2f);
    EXPECT_FLOAT_EQ(listener[2], 0.8f);
    float orientation[6] = {};
    alGetListenerfv(AL_ORIENTATION, orientation);
    // Only the directions matter to OpenAL; the z axis is mirrored like the positions.
    EXPECT_LT(orientation[1], 0.0f);
    EXPECT_LT(orientation[2], 0.0f);
    EXPECT_GT(orientation[4], 0.0f);
    EXPECT_LT(orientation[5], 0.0f);
}

}  // namespace
