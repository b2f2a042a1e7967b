// Without any usable audio device the sound system reports the failure and leaves nothing
// to tear down. Its own process: OpenAL reads the backend list once per process.
#include "AudioTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(SoundSystemStartUp, NoDeviceWritesTheLineAndStopsAtStageZero) {
    setenv("ALSOFT_DRIVERS", "no-such-backend", 1);
    ErrorFile errors;
    {
        SoundSystem sounds;
        EXPECT_FALSE(sounds.init());
        EXPECT_EQ(sounds.initStage(), 0);
        EXPECT_EQ(sounds.loadWav(soundPath("kick.wav")), nullptr);
        EXPECT_EQ(sounds.allocateVoice({}), nullptr);
        sounds.releaseFinished();
    }
    std::vector<std::string> lines = errors.lines();
    ASSERT_GE(lines.size(), 1u);
    EXPECT_EQ(lines[0], "error: Could not initialize OpenAL.");
}

}  // namespace
