#pragma once
// The game's sound: a fixed pool of 16 OpenAL buffers and 16 sources over OpenAL Soft,
// freealut (start-up and WAV files) and vorbisfile (the music). Sound files are loaded
// into buffers once (the ResourceManager caches the handles), effects are played on
// voices handed out per sound, and every effect gain is scaled by the master volume that
// the player's profile sets. Main thread only; OpenAL mixes on its own thread.
//
// The music is the one sound that is not held decoded: it takes its place among the 16
// loaded sounds like any other, but it keeps only its compressed bytes, and a voice playing
// it streams them through a short queue of buffers of its own (MusicStreamer), refilled by
// releaseFinished once per frame. Decoded whole, it would hold 11 MB for the whole run.
#include "audio/MusicStreamer.h"
#include "core/math/Vector3.h"

#include <memory>
#include <string>
#include <vector>

// A loaded sound: the index of the buffer that holds it. A null handle means the file
// could not be loaded (the error line has been written); playing it does nothing.
// Handles belong to the SoundSystem and stay valid as long as it lives.
struct SoundHandle {
    int bufferIndex = 0;
};

class SoundSystem;

// One playing sound: the source in slot `slot`. Owned by the SoundSystem; a one-shot
// (autoRelease) voice is deleted by releaseFinished once its source has stopped, a looping
// voice by stopVoice. Callers drop their pointer at those moments.
struct Voice {
    bool autoRelease = false;
    int slot = 0;
    SoundSystem* owner = nullptr;
};

class SoundSystem {
public:
    static constexpr int kBufferCount = 16;
    static constexpr int kSourceCount = 16;

    // No device work here: the game creates the sound system before the window exists.
    SoundSystem();
    // Tears down whatever init got to.
    ~SoundSystem();
    SoundSystem(const SoundSystem&) = delete;
    SoundSystem& operator=(const SoundSystem&) = delete;

    // Opens the default OpenAL device through ALUT and generates the buffers and sources.
    // false (with its error line) leaves the game unable to start.
    bool init();
    // Releases voices, sources, buffers and ALUT in the reverse order of init.
    void shutdown();

    // Loads a WAV file into the next free buffer; null with an error line on failure.
    const SoundHandle* loadWav(const std::string& path);
    // Reads an Ogg Vorbis file and checks it by decoding it once without keeping the
    // samples; it takes the next free buffer's place and is streamed when played. Null with
    // an error line when it cannot be read or is no playable piece.
    const SoundHandle* loadOgg(const std::string& path);

    // The first free source at the position, or null when all 16 are busy (callers then
    // skip the sound).
    Voice* allocateVoice(const Vector3& position);
    // Starts the buffer on the voice at masterVolume * gain (music: starts streaming it). On
    // failure (including a null handle) the voice is released at once and must not be used
    // again; returns false.
    bool play(Voice* voice, const SoundHandle* sound, float gain, bool loop, bool autoRelease);
    // Moves the voice and sets its gain (scaled by the master volume).
    void updateVoice(Voice* voice, const Vector3& position, float gain);
    // Moves the voice and sets its gain as given, ignoring the master volume (music).
    void setVoiceUnscaled(Voice* voice, const Vector3& position, float gain);
    // Stops the voice's source and deletes the voice; its slot (and a stream's queue) is
    // free again.
    void stopVoice(Voice* voice);
    // Frees every one-shot voice whose source has stopped, and keeps every streaming voice
    // fed. Called once per frame.
    void releaseFinished();
    // Puts the listener at the camera: position and its forward and up directions.
    void updateListener(const Vector3& position, const Vector3& forward, const Vector3& up);

    float masterVolume() const { return masterVolume_; }
    void setMasterVolume(float volume) { masterVolume_ = volume; }

    // How far init got: 0 nothing, 1 ALUT, 2 buffers, 3 sources.
    int initStage() const { return initStage_; }
    int bufferCount() const { return bufferCount_; }
    int voicesInUse() const;
    // The voice that uses source `slot`, or null (for tests and diagnostics).
    const Voice* voiceAt(int slot) const {
        return slot >= 0 && slot < kSourceCount ? voices_[slot] : nullptr;
    }
    // The OpenAL source name behind a voice (for tests and diagnostics).
    unsigned int sourceOf(const Voice* voice) const;
    // The streamer feeding a voice, or null when it plays a whole buffer (for tests and
    // diagnostics).
    const MusicStreamer* streamerOf(const Voice* voice) const {
        return voice == nullptr ? nullptr : streamers_[voice->slot].get();
    }

private:
    const SoundHandle* newHandle(int bufferIndex);
    void releaseSlot(int slot);

    Voice* voices_[kSourceCount] = {};
    int highestVoice_ = -1;
    float masterVolume_ = 1.0f;
    unsigned int buffers_[kBufferCount] = {};
    unsigned int sources_[kSourceCount] = {};
    int bufferCount_ = 0;
    int initStage_ = 0;
    std::vector<std::unique_ptr<SoundHandle>> handles_;
    // Per buffer index: the music loaded in its place (its OpenAL buffer stays empty).
    std::unique_ptr<StreamedMusic> music_[kBufferCount];
    // Per source: the streamer of the music it plays.
    std::unique_ptr<MusicStreamer> streamers_[kSourceCount];
};
