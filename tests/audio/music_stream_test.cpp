// The streamed music on OpenAL Soft's silent backend: what is queued on the source must be
// the piece decoded whole, sample for sample, round and round its seam; a queue that ran
// dry starts again where it stopped; a stopped piece plays again from its start; broken
// files are refused and damage met while streaming stops the music with one line.
//
// What the game feeds OpenAL is watched at the two calls that carry it: the test is linked
// with alBufferData and alSourceQueueBuffers wrapped, and the wrappers note each buffer's
// samples and the order buffers are queued on each source before calling OpenAL itself.
#include "AudioTestSupport.h"
#include "ShortMusicLoop.h"
#include "audio/MusicStreamer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <set>
#include <thread>

namespace {

std::map<ALuint, std::vector<std::int16_t>> gBufferSamples;
std::map<ALuint, std::vector<std::int16_t>> gQueuedSamples;  // per source, in queue order
std::map<ALuint, std::set<ALuint>> gQueuedBuffers;            // per source, every buffer it was given

}  // namespace

extern "C" {
void __real_alBufferData(ALuint buffer, ALenum format, const ALvoid* data, ALsizei size, ALsizei frequency);
void __real_alSourceQueueBuffers(ALuint source, ALsizei count, const ALuint* buffers);

void __wrap_alBufferData(ALuint buffer, ALenum format, const ALvoid* data, ALsizei size, ALsizei frequency) {
    std::vector<std::int16_t>& samples = gBufferSamples[buffer];
    samples.resize(size > 0 ? std::size_t(size) / 2 : 0);
    if (!samples.empty()) std::memcpy(samples.data(), data, samples.size() * 2);
    __real_alBufferData(buffer, format, data, size, frequency);
}

void __wrap_alSourceQueueBuffers(ALuint source, ALsizei count, const ALuint* buffers) {
    for (ALsizei i = 0; i < count; ++i) {
        const std::vector<std::int16_t>& samples = gBufferSamples[buffers[i]];
        gQueuedSamples[source].insert(gQueuedSamples[source].end(), samples.begin(), samples.end());
        gQueuedBuffers[source].insert(buffers[i]);
    }
    __real_alSourceQueueBuffers(source, count, buffers);
}
}

namespace {

using Clock = std::chrono::steady_clock;

class MusicStreamTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        useNullAudioBackend();
        loopPath = "/tmp/pitchbar-music-stream-" + std::to_string(getpid()) + ".ogg";
        ASSERT_TRUE(writeShortMusicLoop(loopPath, 2, kShortLoopFrames));
        piece = decodedSamples(loopPath);
        ASSERT_FALSE(piece.empty());
    }
    static void TearDownTestSuite() { std::remove(loopPath.c_str()); }
    void SetUp() override {
        ASSERT_TRUE(sounds.init());
        gQueuedSamples.clear();
        gQueuedBuffers.clear();
    }

    // The game's frame loop for the sound system: releaseFinished every `frameMs` for
    // `ms`, or until `done` says so.
    void runFrames(int ms, int frameMs, const std::function<bool()>& done = nullptr) {
        const auto end = Clock::now() + std::chrono::milliseconds(ms);
        while (Clock::now() < end && !(done && done())) {
            sounds.releaseFinished();
            std::this_thread::sleep_for(std::chrono::milliseconds(frameMs));
        }
    }

    const std::vector<std::int16_t>& queuedOn(const Voice* voice) { return gQueuedSamples[sounds.sourceOf(voice)]; }

    // The short loop playing on a new voice, as the game starts its music.
    Voice* startLoop(const SoundHandle* music, bool loop = true, bool autoRelease = false) {
        Voice* voice = sounds.allocateVoice({});
        EXPECT_NE(voice, nullptr);
        EXPECT_TRUE(sounds.play(voice, music, 0.6f, loop, autoRelease));
        return voice;
    }

    // What the source was given, against the piece looped from its first sample.
    void expectThePieceRoundAndRound(const std::vector<std::int16_t>& queued) {
        const std::vector<std::int16_t> expected = repeated(piece, queued.size());
        ASSERT_EQ(queued.size(), expected.size());
        std::size_t firstDifference = 0;
        while (firstDifference < queued.size() && queued[firstDifference] == expected[firstDifference])
            ++firstDifference;
        EXPECT_EQ(firstDifference, queued.size())
            << "differs at sample " << firstDifference << ", pass " << firstDifference / piece.size();
    }

    static std::string loopPath;
    static std::vector<std::int16_t> piece;  // interleaved stereo
    ErrorFile errors;
    SoundSystem sounds;
};

std::string MusicStreamTest::loopPath;
std::vector<std::int16_t> MusicStreamTest::piece;

int queuedBuffers(const SoundSystem& sounds, const Voice* voice) {
    ALint queued = -1;
    alGetSourcei(sounds.sourceOf(voice), AL_BUFFERS_QUEUED, &queued);
    return queued;
}

TEST_F(MusicStreamTest, ALoopIsQueuedSampleForSampleAcrossItsSeamsFromASmallQueue) {
    const SoundHandle* music = sounds.loadOgg(loopPath);
    ASSERT_NE(music, nullptr);
    EXPECT_EQ(sounds.bufferCount(), 1);  // one loaded sound for the callers
    Voice* voice = startLoop(music);
    sounds.setVoiceUnscaled(voice, {}, 0.45f);
    EXPECT_EQ(sourceState(sounds, voice), AL_PLAYING);
    EXPECT_FLOAT_EQ(sourceGain(sounds, voice), 0.45f);
    ALint looping = -1;
    alGetSourcei(sounds.sourceOf(voice), AL_LOOPING, &looping);
    EXPECT_EQ(looping, AL_FALSE) << "a looping source would replay its queue instead of new samples";

    // Past the seam at least twice beyond what the first fill queued, at 60 frames a second.
    const std::size_t primed = queuedOn(voice).size();
    EXPECT_LE(primed, std::size_t(MusicStreamer::kQueueBuffers) * 22050 * 2) << "two seconds queued ahead at most";
    runFrames(5000, 16, [&] { return queuedOn(voice).size() >= primed + 2 * piece.size(); });
    ASSERT_GE(queuedOn(voice).size(), primed + 2 * piece.size());
    expectThePieceRoundAndRound(queuedOn(voice));

    // Only the queue is held: the same few half-second buffers over and over.
    EXPECT_EQ(queuedBuffers(sounds, voice), MusicStreamer::kQueueBuffers);
    const std::set<ALuint>& used = gQueuedBuffers[sounds.sourceOf(voice)];
    EXPECT_EQ(used.size(), std::size_t(MusicStreamer::kQueueBuffers));
    for (ALuint buffer : used) {
        ALint size = 0;
        alGetBufferi(buffer, AL_SIZE, &size);
        EXPECT_GT(size, 0);
        EXPECT_LE(size, 22050 * 2 * 2);
    }
    EXPECT_EQ(sourceState(sounds, voice), AL_PLAYING);
    EXPECT_EQ(sounds.streamerOf(voice)->restarts(), 0);
    EXPECT_TRUE(errors.lines().empty());
}

TEST_F(MusicStreamTest, SlowFramesKeepItFedAndAQueueThatRanDryCarriesOnWhereItStopped) {
    Voice* voice = startLoop(sounds.loadOgg(loopPath));
    // 20 frames a second for three seconds: longer than the queue, and never dry.
    runFrames(3000, 50);
    EXPECT_EQ(sounds.streamerOf(voice)->restarts(), 0);
    EXPECT_EQ(sourceState(sounds, voice), AL_PLAYING);

    // A loading screen that takes longer than the whole queue.
    const auto deadline = Clock::now() + std::chrono::seconds(6);
    while (sourceState(sounds, voice) != AL_STOPPED && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_EQ(sourceState(sounds, voice), AL_STOPPED);

    const std::size_t beforeRestart = queuedOn(voice).size();
    sounds.releaseFinished();
    EXPECT_EQ(sourceState(sounds, voice), AL_PLAYING);
    EXPECT_EQ(queuedBuffers(sounds, voice), MusicStreamer::kQueueBuffers);
    EXPECT_EQ(sounds.streamerOf(voice)->restarts(), 1);
    EXPECT_GT(queuedOn(voice).size(), beforeRestart);
    // Nothing skipped and nothing played twice: the queued samples still run straight on.
    expectThePieceRoundAndRound(queuedOn(voice));
    runFrames(300, 16);
    EXPECT_EQ(sounds.streamerOf(voice)->restarts(), 1);
    EXPECT_TRUE(errors.lines().empty());
}

TEST_F(MusicStreamTest, StoppedMusicFreesItsQueueAndPlaysAgainFromItsStart) {
    const SoundHandle* music = sounds.loadOgg(loopPath);
    Voice* voice = startLoop(music);
    runFrames(200, 16);
    const ALuint source = sounds.sourceOf(voice);
    const std::set<ALuint> used = gQueuedBuffers[source];
    ASSERT_EQ(used.size(), std::size_t(MusicStreamer::kQueueBuffers));
    sounds.stopVoice(voice);
    EXPECT_EQ(sounds.voicesInUse(), 0);
    ALint queued = -1;
    alGetSourcei(source, AL_BUFFERS_QUEUED, &queued);
    EXPECT_EQ(queued, 0);
    for (ALuint buffer : used) EXPECT_FALSE(alIsBuffer(buffer)) << "the queue's buffers are deleted with it";

    gQueuedSamples.clear();
    Voice* again = startLoop(music);
    ASSERT_EQ(again->slot, 0);
    EXPECT_EQ(sourceState(sounds, again), AL_PLAYING);
    runFrames(400, 16);
    ASSERT_GT(queuedOn(again).size(), piece.size());
    expectThePieceRoundAndRound(queuedOn(again));
    sounds.stopVoice(again);

    // The source takes a whole buffer again after streaming, and the music still counts
    // as one of the sixteen loaded sounds.
    std::vector<const SoundHandle*> effects;
    for (int i = 0; i < 15; ++i) effects.push_back(sounds.loadWav(soundPath("kick.wav")));
    EXPECT_NE(effects.back(), nullptr);
    EXPECT_EQ(sounds.loadWav(soundPath("kick.wav")), nullptr);
    Voice* kick = sounds.allocateVoice({});
    ASSERT_EQ(kick->slot, 0);
    ASSERT_TRUE(sounds.play(kick, effects.front(), 1.0f, false, true));
    EXPECT_EQ(sourceState(sounds, kick), AL_PLAYING);
    EXPECT_EQ(errors.lines(), std::vector<std::string>{"error: Out of sound buffers."});
}

TEST_F(MusicStreamTest, APieceThatDoesNotLoopPlaysOnceAndItsOneShotVoiceIsFreed) {
    Voice* voice = startLoop(sounds.loadOgg(loopPath), false, true);
    const std::vector<std::int16_t>* queued = &queuedOn(voice);
    runFrames(4000, 16, [&] { return sounds.voicesInUse() == 0; });
    EXPECT_EQ(sounds.voicesInUse(), 0);
    EXPECT_EQ(*queued, piece);
    EXPECT_TRUE(errors.lines().empty());
}

TEST_F(MusicStreamTest, BrokenFilesAreRefusedWithTheirLineAndTakeNoBuffer) {
    const std::string base = errors.path();
    std::vector<unsigned char> good = fileBytes(loopPath);
    const std::string cut = base + "-cut.ogg";
    writeFileBytes(cut, std::vector<unsigned char>(good.begin(), good.begin() + 200));
    const std::string empty = base + "-empty.ogg";
    writeFileBytes(empty, {});
    const std::string surround = base + "-three.ogg";
    ASSERT_TRUE(writeShortMusicLoop(surround, 3, 4410));

    for (const std::string& path : {cut, empty, surround}) EXPECT_EQ(sounds.loadOgg(path), nullptr) << path;
    EXPECT_EQ(errors.lines(), (std::vector<std::string>{"error: Loading music file: " + cut + " failed",
                                                         "error: Loading music file: " + empty + " failed",
                                                         "error: Loading music file: " + surround + " failed"}));
    EXPECT_EQ(sounds.bufferCount(), 0);
    for (const std::string& path : {cut, empty, surround}) std::remove(path.c_str());
}

// Bytes that change under a playing piece: the loaded piece is decoded again from them
// while it streams, and the damage is met part way through, after the first fill.
TEST_F(MusicStreamTest, DamageMetWhileStreamingStopsTheMusicWithOneLine) {
    const std::string longer = errors.path() + "-long.ogg";
    ASSERT_TRUE(writeShortMusicLoop(longer, 2, 5 * 44100));
    StreamedMusic music;
    music.path = "damaged.ogg";
    music.bytes = fileBytes(longer);
    std::remove(longer.c_str());
    ASSERT_TRUE(measureOggBytes(music.bytes.data(), music.bytes.size(), music.piece));
    // Scramble the body of a page about four seconds in; its checksum no longer holds.
    const std::size_t at = music.bytes.size() * 4 / 5;
    for (std::size_t i = at; i < at + 64; ++i) music.bytes[i] ^= 0x5A;

    Voice* voice = sounds.allocateVoice({});
    const ALuint source = sounds.sourceOf(voice);
    MusicStreamer streamer(music, true);
    ASSERT_TRUE(streamer.prime(source));
    alSourcePlay(source);
    MusicStreamer::State state = MusicStreamer::State::Playing;
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (state == MusicStreamer::State::Playing && Clock::now() < deadline) {
        state = streamer.update(source);
        std::this_thread::sleep_for(std::chrono::milliseconds(16));
    }
    EXPECT_EQ(state, MusicStreamer::State::Failed);
    for (int frame = 0; frame < 5; ++frame) EXPECT_EQ(streamer.update(source), MusicStreamer::State::Failed);
    int playing = 0, queued = -1;
    alGetSourcei(source, AL_SOURCE_STATE, &playing);
    alGetSourcei(source, AL_BUFFERS_QUEUED, &queued);
    EXPECT_EQ(playing, AL_STOPPED);
    EXPECT_EQ(queued, 0);
    EXPECT_EQ(errors.lines(), std::vector<std::string>{"error: Streaming music file: damaged.ogg failed"});
    streamer.stop(source);
    sounds.stopVoice(voice);
}

}  // namespace
