#include "audio/SoundSystem.h"

#include "core/ErrorLog.h"
#include "audio/OggDecoder.h"
#include "audio/WavFile.h"

#include <AL/al.h>
#include <AL/alut.h>

#include <cstdlib>

namespace {

// Game positions are table units with y up in a left-handed frame; OpenAL works in a
// right-handed frame, and a hundred table units (about a metre of table) make one unit.
void toOpenAL(const Vector3& v, float out[3]) {
    out[0] = v.x / 100.0f;
    out[1] = v.y / 100.0f;
    out[2] = -v.z / 100.0f;
}

void setSourcePosition(ALuint source, const Vector3& position) {
    float p[3];
    toOpenAL(position, p);
    alSource3f(source, AL_POSITION, p[0], p[1], p[2]);
}

// alGetError reports the first error since it was last asked; forgetting an error left by
// an unchecked call keeps it from being blamed on the next checked one.
void clearAlError() { alGetError(); }

bool alFailed() { return alGetError() != AL_NO_ERROR; }

}  // namespace

SoundSystem::SoundSystem() = default;

SoundSystem::~SoundSystem() { shutdown(); }

bool SoundSystem::init() {
    // alutInit opens the default device and makes a context current. Without a context
    // alGetError has nothing to report, so ALUT's own answer is checked too.
    ALboolean started = alutInit(nullptr, nullptr);
    if (!started) {
        logError("Could not initialize OpenAL.");
        return false;
    }
    initStage_ = 1;
    if (alFailed()) {
        logError("Could not initialize OpenAL.");
        return false;
    }
    alGenBuffers(kBufferCount, buffers_);
    if (alFailed()) {
        logError("Could not generate OpenAL buffers.");
        return false;
    }
    initStage_ = 2;
    alGenSources(kSourceCount, sources_);
    if (alFailed()) {
        logError("Could not generate OpenAL sources.");
        return false;
    }
    initStage_ = 3;
    return true;
}

void SoundSystem::shutdown() {
    for (int slot = 0; slot < kSourceCount; ++slot) {
        if (voices_[slot] != nullptr) releaseSlot(slot);
    }
    highestVoice_ = -1;
    if (initStage_ >= 3) {
        alSourceStopv(kSourceCount, sources_);
        // A source holding a buffer keeps the buffer from being deleted.
        for (ALuint source : sources_) alSourcei(source, AL_BUFFER, 0);
        alDeleteSources(kSourceCount, sources_);
    }
    if (initStage_ >= 2) alDeleteBuffers(kBufferCount, buffers_);
    if (initStage_ >= 1) alutExit();
    initStage_ = 0;
    bufferCount_ = 0;
    handles_.clear();
    for (auto& music : music_) music.reset();
}

const SoundHandle* SoundSystem::newHandle(int bufferIndex) {
    handles_.push_back(std::make_unique<SoundHandle>());
    handles_.back()->bufferIndex = bufferIndex;
    return handles_.back().get();
}

const SoundHandle* SoundSystem::loadWav(const std::string& path) {
    if (bufferCount_ >= kBufferCount) {
        logError("Out of sound buffers.");
        return nullptr;
    }
    if (initStage_ < 3) {
        logError("Loading sound file: " + path + " failed");
        return nullptr;
    }
    clearAlError();
    WavSamples wav;
    const bool read = readWavFile(path, wav);
    if (alFailed() || !read) {
        logError("Loading sound file: " + path + " failed");
        return nullptr;
    }
    alBufferData(buffers_[bufferCount_], wav.format, wav.data.get(), wav.size, wav.frequency);
    if (alFailed()) {
        logError("error during alBufferData");
        return nullptr;
    }
    bufferCount_ += 1;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    alutUnloadWAV(wav.format, wav.data.release(), wav.size, wav.frequency);
#pragma GCC diagnostic pop
    if (alFailed()) {
        logError("error during alutUnloadWAV");
        return nullptr;
    }
    return newHandle(bufferCount_ - 1);
}

const SoundHandle* SoundSystem::loadOgg(const std::string& path) {
    if (bufferCount_ >= kBufferCount) {
        logError("Out of sound buffers.");
        return nullptr;
    }
    auto music = std::make_unique<StreamedMusic>();
    music->path = path;
    std::vector<unsigned char> bytes;  // read again by the streamer that plays the piece
    if (initStage_ < 3 || !readMusicFile(path, bytes) || !measureOggBytes(bytes.data(), bytes.size(), music->piece)) {
        logError("Loading music file: " + path + " failed");
        return nullptr;
    }
    music_[bufferCount_] = std::move(music);
    bufferCount_ += 1;
    return newHandle(bufferCount_ - 1);
}

Voice* SoundSystem::allocateVoice(const Vector3& position) {
    if (initStage_ < 3) return nullptr;
    for (int slot = 0; slot < kSourceCount; ++slot) {
        if (voices_[slot] != nullptr) continue;
        Voice* voice = new Voice;
        voice->autoRelease = false;
        voice->slot = slot;
        voice->owner = this;
        voices_[slot] = voice;
        if (slot > highestVoice_) highestVoice_ = slot;
        setSourcePosition(sources_[slot], position);
        return voice;
    }
    return nullptr;
}

void SoundSystem::releaseSlot(int slot) {
    if (streamers_[slot] != nullptr) {
        streamers_[slot]->stop(sources_[slot]);
        streamers_[slot].reset();
    }
    delete voices_[slot];
    voices_[slot] = nullptr;
}

bool SoundSystem::play(Voice* voice, const SoundHandle* sound, float gain, bool loop, bool autoRelease) {
    if (voice == nullptr) return false;
    // A missing sound file was reported when it failed to load; its voice simply goes back.
    if (sound == nullptr || sound->bufferIndex < 0 || sound->bufferIndex >= bufferCount_) {
        releaseSlot(voice->slot);
        return false;
    }
    voice->autoRelease = autoRelease;
    ALuint source = sources_[voice->slot];
    clearAlError();
    if (const StreamedMusic* music = music_[sound->bufferIndex].get()) {
        streamers_[voice->slot] = std::make_unique<MusicStreamer>(*music, loop);
        if (!streamers_[voice->slot]->prime(source)) {
            releaseSlot(voice->slot);
            return false;
        }
    } else {
        alSourcei(source, AL_BUFFER, static_cast<ALint>(buffers_[sound->bufferIndex]));
        if (alFailed()) {
            logError("error during alSourcei");
            releaseSlot(voice->slot);
            return false;
        }
        alSourcei(source, AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
        if (alFailed()) {
            logError("could not set looping.");
            releaseSlot(voice->slot);
            return false;
        }
    }
    alSourcef(source, AL_GAIN, masterVolume_ * gain);
    if (alFailed()) {
        logError("could not set volume.");
        releaseSlot(voice->slot);
        return false;
    }
    alSourcePlay(source);
    // A source that never started would be neither stopped nor playing, and the release
    // scan would complain about it every frame; it goes back to the pool instead.
    if (alFailed()) {
        logError("could not start playing.");
        releaseSlot(voice->slot);
        return false;
    }
    return true;
}

void SoundSystem::updateVoice(Voice* voice, const Vector3& position, float gain) {
    setVoiceUnscaled(voice, position, masterVolume_ * gain);
}

void SoundSystem::setVoiceUnscaled(Voice* voice, const Vector3& position, float gain) {
    if (voice == nullptr) return;
    ALuint source = sources_[voice->slot];
    setSourcePosition(source, position);
    alSourcef(source, AL_GAIN, gain);
}

void SoundSystem::stopVoice(Voice* voice) {
    if (voice == nullptr) return;
    alSourceStop(sources_[voice->slot]);
    releaseSlot(voice->slot);
}

void SoundSystem::releaseFinished() {
    for (int slot = 0; slot <= highestVoice_; ++slot) {
        Voice* voice = voices_[slot];
        if (voice != nullptr && streamers_[slot] != nullptr) {
            // A stream that has ended or broken has stopped its source; a one-shot goes.
            MusicStreamer::State state = streamers_[slot]->update(sources_[slot]);
            if (voice->autoRelease && state != MusicStreamer::State::Playing) releaseSlot(slot);
            continue;
        }
        if (voice == nullptr || !voice->autoRelease) continue;
        ALint state = 0;
        alGetSourcei(sources_[slot], AL_SOURCE_STATE, &state);
        if (state == AL_STOPPED) {
            releaseSlot(slot);
        } else if (state != AL_PLAYING) {
            logError("Sound source " + std::to_string(slot) + " is in an unexpected state.");
        }
    }
}

void SoundSystem::updateListener(const Vector3& position, const Vector3& forward, const Vector3& up) {
    if (initStage_ < 1) return;
    float p[3];
    toOpenAL(position, p);
    alListener3f(AL_POSITION, p[0], p[1], p[2]);
    float orientation[6];
    toOpenAL(forward, orientation);
    toOpenAL(up, orientation + 3);
    alListenerfv(AL_ORIENTATION, orientation);
}

int SoundSystem::voicesInUse() const {
    int count = 0;
    for (const Voice* voice : voices_) count += voice != nullptr ? 1 : 0;
    return count;
}

unsigned int SoundSystem::sourceOf(const Voice* voice) const {
    return voice == nullptr ? 0u : sources_[voice->slot];
}
