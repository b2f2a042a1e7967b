// The table and menu sound players on OpenAL Soft's silent backend: which voices they take,
// where the sounds are placed and how loud they are before and after the master volume.
#include "AudioTestSupport.h"
#include "audio/MatchSoundPlayer.h"
#include "audio/OpenALTableSounds.h"

#include <gtest/gtest.h>

namespace {

class SoundPlayersTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { useNullAudioBackend(); }
    void SetUp() override { ASSERT_TRUE(sounds.init()); }

    ErrorFile errors;
    SoundSystem sounds;
    SoundFolder folder{&sounds};
};

TEST_F(SoundPlayersTest, BothPlayersShareTheBuffersOfTheirCommonSounds) {
    OpenALTableSounds table(&sounds, &folder);
    MatchSoundPlayer menu(&sounds, &folder);
    for (const SoundHandle* handle : {table.roll, table.score1, table.score2, table.kick, table.rodwall,
                                      table.ballwall, table.applause})
        EXPECT_NE(handle, nullptr);
    EXPECT_EQ(menu.roll, table.roll);
    EXPECT_EQ(menu.kick, table.kick);
    EXPECT_EQ(menu.rodwall, table.rodwall);
    EXPECT_EQ(sounds.bufferCount(), 7);
    EXPECT_TRUE(errors.lines().empty());
}

TEST_F(SoundPlayersTest, RollingBallStartsSilentFollowsTheBallAndStartsOnlyOnce) {
    OpenALTableSounds table(&sounds, &folder);
    sounds.setMasterVolume(0.5f);
    table.startRoll();
    ASSERT_NE(table.rollVoice, nullptr);
    const Voice* voice = table.rollVoice;
    EXPECT_FLOAT_EQ(sourceGain(sounds, voice), 0.0f);
    EXPECT_EQ(sourceState(sounds, voice), AL_PLAYING);
    int looping = 0;
    alGetSourcei(sounds.sourceOf(voice), AL_LOOPING, &looping);
    EXPECT_EQ(looping, AL_TRUE);

    table.startRoll();
    EXPECT_EQ(table.rollVoice, voice);
    EXPECT_EQ(sounds.voicesInUse(), 1);

    // A resting ball still rolls faintly; from 100 units/s on the loop is at full level.
    table.updateRoll({0.0f, 0.0f, 0.0f}, {10.0f, 0.0f, -20.0f});
    EXPECT_FLOAT_EQ(sourceGain(sounds, voice), 0.07f * 0.5f);
    Vector3 p = sourcePosition(sounds, voice);
    EXPECT_FLOAT_EQ(p.x, 0.1f);
    EXPECT_FLOAT_EQ(p.z, 0.2f);
    table.updateRoll({30.0f, 0.0f, 40.0f}, {});
    EXPECT_FLOAT_EQ(sourceGain(sounds, voice), 0.35f * 0.5f);
    table.updateRoll({60.0f, 0.0f, 80.0f}, {});
    EXPECT_FLOAT_EQ(sourceGain(sounds, voice), 0.7f * 0.5f);
    table.updateRoll({600.0f, 0.0f, 0.0f}, {});
    EXPECT_FLOAT_EQ(sourceGain(sounds, voice), 0.7f * 0.5f);

    // The ball has passed the goal line: silence until the next kick-off restarts at 0.
    table.stopRoll();
    EXPECT_EQ(table.rollVoice, nullptr);
    EXPECT_EQ(sounds.voicesInUse(), 0);
    table.updateRoll({100.0f, 0.0f, 0.0f}, {});
    table.stopRoll();
    EXPECT_EQ(sounds.voicesInUse(), 0);
    table.startRoll();
    ASSERT_NE(table.rollVoice, nullptr);
    EXPECT_FLOAT_EQ(sourceGain(sounds, table.rollVoice), 0.0f);
}

TEST_F(SoundPlayersTest, OneShotsPlayAtTheirPositionsAndVolumes) {
    OpenALTableSounds table(&sounds, &folder);
    sounds.setMasterVolume(0.5f);
    table.playKick({20.0f, 1.8f, 33.2f}, 0.8f);
    table.playBallWall({117.4f, 1.8f, 10.0f}, 0.4f);
    table.playRodWall({-30.0f, 5.0f, 33.2f}, 1.0f);
    EXPECT_EQ(sounds.voicesInUse(), 0) << "hits start at the end of the frame";
    table.endFrame();
    table.playApplause();
    std::vector<const Voice*> voices = busyVoices(sounds);
    ASSERT_EQ(voices.size(), 4u);
    const float expectedGain[] = {0.4f, 0.2f, 0.5f, 0.35f};
    const Vector3 expectedPosition[] = {
        {0.2f, 0.018f, -0.332f}, {1.174f, 0.018f, -0.1f}, {-0.3f, 0.05f, -0.332f}, {0.0f, 0.0f, 0.0f}};
    for (size_t i = 0; i < voices.size(); ++i) {
        EXPECT_TRUE(voices[i]->autoRelease) << i;
        EXPECT_FLOAT_EQ(sourceGain(sounds, voices[i]), expectedGain[i]) << i;
        Vector3 p = sourcePosition(sounds, voices[i]);
        EXPECT_FLOAT_EQ(p.x, expectedPosition[i].x) << i;
        EXPECT_FLOAT_EQ(p.y, expectedPosition[i].y) << i;
        EXPECT_FLOAT_EQ(p.z, expectedPosition[i].z) << i;
        int looping = 1;
        alGetSourcei(sounds.sourceOf(voices[i]), AL_LOOPING, &looping);
        EXPECT_EQ(looping, AL_FALSE) << i;
    }
}

TEST_F(SoundPlayersTest, HitsOfOneFrameAreOneVoicePerSoundAndPlace) {
    OpenALTableSounds table(&sounds, &folder);
    sounds.setMasterVolume(1.0f);
    // Three steps of one frame kick the same ball, one wall hit far away, and a wall hit
    // beside the kicks: three voices, the kick at its loudest.
    table.playKick({10.0f, 1.8f, 0.0f}, 0.3f);
    table.playKick({11.0f, 1.8f, 0.5f}, 0.9f);
    table.playKick({12.0f, 1.8f, 1.0f}, 0.6f);
    table.playBallWall({-50.0f, 1.8f, -33.0f}, 0.5f);
    table.playBallWall({12.0f, 1.8f, 1.0f}, 0.2f);
    table.endFrame();
    std::vector<const Voice*> voices = busyVoices(sounds);
    ASSERT_EQ(voices.size(), 3u);
    EXPECT_FLOAT_EQ(sourceGain(sounds, voices[0]), 0.9f);
    EXPECT_FLOAT_EQ(sourcePosition(sounds, voices[0]).x, 0.11f);  // where the loudest was
    EXPECT_FLOAT_EQ(sourceGain(sounds, voices[1]), 0.5f);
    EXPECT_FLOAT_EQ(sourceGain(sounds, voices[2]), 0.2f);
    // Hits far apart in one frame are heard apart; the next frame starts afresh.
    table.playRodWall({-52.7f, 0.0f, 33.2f}, 0.4f);
    table.playRodWall({22.3f, 0.0f, 33.2f}, 0.4f);
    table.endFrame();
    EXPECT_EQ(sounds.voicesInUse(), 5);
    table.endFrame();
    EXPECT_EQ(sounds.voicesInUse(), 5);
    table.playKick({10.0f, 1.8f, 0.0f}, 0.3f);
    table.endFrame();
    EXPECT_EQ(sounds.voicesInUse(), 6);
}

TEST_F(SoundPlayersTest, AGoalSoundsTwiceFromTheEndScoredUpon) {
    OpenALTableSounds table(&sounds, &folder);
    for (bool far : {true, false}) {
        table.playScore(far, 0.9f);
        std::vector<const Voice*> voices = busyVoices(sounds);
        ASSERT_EQ(voices.size(), 2u);
        float x = far ? 0.605f : -0.605f;
        EXPECT_FLOAT_EQ(sourcePosition(sounds, voices[0]).x, x);
        EXPECT_FLOAT_EQ(sourcePosition(sounds, voices[1]).x, x);
        EXPECT_FLOAT_EQ(sourceGain(sounds, voices[0]), 0.9f);
        EXPECT_FLOAT_EQ(sourceGain(sounds, voices[1]), 0.7f);
        for (int slot = 0; slot < 2; ++slot) alSourceStop(sounds.sourceOf(sounds.voiceAt(slot)));
        sounds.releaseFinished();
        EXPECT_EQ(sounds.voicesInUse(), 0);
    }
}

TEST_F(SoundPlayersTest, EffectsAreSkippedWhenAllVoicesAreBusy) {
    OpenALTableSounds table(&sounds, &folder);
    MatchSoundPlayer menu(&sounds, &folder);
    for (int i = 0; i < 15; ++i) ASSERT_NE(sounds.allocateVoice({}), nullptr);
    table.playScore(true, 1.0f);  // the drop gets the last voice, the cheer is skipped
    EXPECT_EQ(sounds.voicesInUse(), 16);
    table.playKick({}, 1.0f);
    table.endFrame();
    table.startRoll();
    EXPECT_EQ(table.rollVoice, nullptr);
    menu.playHover();
    menu.startLoop();
    EXPECT_EQ(menu.loopVoice, nullptr);
    EXPECT_TRUE(errors.lines().empty());
}

TEST_F(SoundPlayersTest, MenuSoundsAndTheFadeLoop) {
    MatchSoundPlayer menu(&sounds, &folder);
    sounds.setMasterVolume(1.0f);
    menu.playHover();
    menu.playClick();
    std::vector<const Voice*> voices = busyVoices(sounds);
    ASSERT_EQ(voices.size(), 2u);
    for (const Voice* voice : voices) {
        EXPECT_TRUE(voice->autoRelease);
        EXPECT_FLOAT_EQ(sourceGain(sounds, voice), 0.7f);
        EXPECT_EQ(sourcePosition(sounds, voice), Vector3(0.0f, 0.0f, 0.0f));
    }
    ALint hoverBuffer = 0, clickBuffer = 0;
    alGetSourcei(sounds.sourceOf(voices[0]), AL_BUFFER, &hoverBuffer);
    alGetSourcei(sounds.sourceOf(voices[1]), AL_BUFFER, &clickBuffer);
    EXPECT_NE(hoverBuffer, clickBuffer);

    menu.startLoop();
    ASSERT_NE(menu.loopVoice, nullptr);
    const Voice* loop = menu.loopVoice;
    EXPECT_FALSE(loop->autoRelease);
    EXPECT_FLOAT_EQ(sourceGain(sounds, loop), 0.7f);
    menu.startLoop();
    EXPECT_EQ(menu.loopVoice, loop);
    EXPECT_EQ(sounds.voicesInUse(), 3);
    menu.stopLoop();
    menu.stopLoop();
    EXPECT_EQ(menu.loopVoice, nullptr);
    EXPECT_EQ(sounds.voicesInUse(), 2);
}

// Stands in for a resource folder in which no sound file exists.
struct EmptyFolder {
    const SoundHandle* getSound(const std::string&) { return nullptr; }
};

TEST_F(SoundPlayersTest, MissingSoundFilesAreSilentAndTakeNoVoice) {
    EmptyFolder empty;
    OpenALTableSounds table(&sounds, &empty);
    MatchSoundPlayer menu(&sounds, &empty);
    table.startRoll();
    table.updateRoll({50.0f, 0.0f, 0.0f}, {});
    table.playKick({}, 1.0f);
    table.endFrame();
    table.playScore(false, 1.0f);
    table.playApplause();
    table.stopRoll();
    menu.playHover();
    menu.playClick();
    menu.startLoop();
    menu.stopLoop();
    EXPECT_EQ(table.rollVoice, nullptr);
    EXPECT_EQ(menu.loopVoice, nullptr);
    EXPECT_EQ(sounds.voicesInUse(), 0);
    EXPECT_TRUE(errors.lines().empty());
}

}  // namespace
