#include "audio/MusicStreamer.h"

#include "core/ErrorLog.h"

#include <AL/al.h>

#include <algorithm>

namespace {

// A file's rate decides the buffer size, so it is held within what any real piece needs:
// half a second at up to 192 kHz, and no buffer so short that the queue drains in a frame.
constexpr long kMinBufferFrames = 4096;
constexpr long kMaxBufferFrames = 96000;

bool alFailed() { return alGetError() != AL_NO_ERROR; }

}  // namespace

MusicStreamer::MusicStreamer(const StreamedMusic& music, bool loop) : music_(music), loop_(loop) {
    const long frames = std::clamp(music.piece.rate * kBufferMilliseconds / 1000, kMinBufferFrames, kMaxBufferFrames);
    scratch_.resize(static_cast<std::size_t>(frames) * static_cast<std::size_t>(music.piece.channels) * 2);
}

MusicStreamer::~MusicStreamer() {
    deleteBuffers();
    stream_.close();
    if (file_) std::fclose(file_);
}

void MusicStreamer::deleteBuffers() {
    if (generated_) alDeleteBuffers(kQueueBuffers, buffers_);
    generated_ = false;
}

void MusicStreamer::detach(unsigned int source) {
    alSourceStop(source);
    alSourcei(source, AL_BUFFER, 0);
    alGetError();
}

bool MusicStreamer::prime(unsigned int source) {
    if (music_.bytes.empty() && !file_) file_ = std::fopen(music_.path.c_str(), "rb");
    if (music_.bytes.empty() && !file_) {
        logError("Streaming music file: " + music_.path + " failed");
        return false;
    }
    alGetError();
    alGenBuffers(kQueueBuffers, buffers_);
    if (alFailed()) {
        logError("Could not generate OpenAL buffers.");
        return false;
    }
    generated_ = true;
    // Queued buffers and a buffer set on the source exclude each other, and a source left
    // looping would play the queue round instead of taking new samples.
    alSourceStop(source);
    alSourcei(source, AL_BUFFER, 0);
    alSourcei(source, AL_LOOPING, AL_FALSE);
    if (alFailed()) {
        logError("error during alSourcei");
        return false;
    }
    for (ALuint buffer : buffers_) {
        long got = fill(buffer);
        if (got < 0) return false;
        if (got == 0) break;
        alSourceQueueBuffers(source, 1, &buffer);
        if (alFailed()) {
            logError("error during alSourceQueueBuffers");
            return false;
        }
    }
    return true;
}

long MusicStreamer::fill(unsigned int buffer) {
    const std::size_t pieceBytes = music_.piece.pcmBytes;
    std::size_t filled = 0;
    while (filled < scratch_.size()) {
        if (!stream_.isOpen() || passBytes_ == pieceBytes) {
            if (stream_.isOpen() && !loop_) break;
            // Opening the stream afresh, rather than seeking, gives exactly the samples of
            // the first pass, whatever the pages claim about their positions.
            const bool opened = music_.bytes.empty() ? stream_.open(file_)
                                                     : stream_.open(music_.bytes.data(), music_.bytes.size());
            if (!opened) {
                logError("Streaming music file: " + music_.path + " failed");
                return -1;
            }
            passBytes_ = 0;
        }
        const std::size_t ask = std::min(scratch_.size() - filled, pieceBytes - passBytes_);
        long got = stream_.read(scratch_.data() + filled, static_cast<int>(ask));
        // The same bytes gave the whole piece when they were loaded; anything less now is
        // damage.
        if (got <= 0) {
            logError("Streaming music file: " + music_.path + " failed");
            return -1;
        }
        filled += static_cast<std::size_t>(got);
        passBytes_ += static_cast<std::size_t>(got);
    }
    if (filled == 0) return 0;
    const ALenum format = music_.piece.channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
    alBufferData(buffer, format, scratch_.data(), static_cast<ALsizei>(filled),
                 static_cast<ALsizei>(music_.piece.rate));
    if (alFailed()) {
        logError("error during alBufferData");
        return -1;
    }
    return static_cast<long>(filled);
}

MusicStreamer::State MusicStreamer::update(unsigned int source) {
    if (state_ != State::Playing) return state_;
    alGetError();
    ALint processed = 0;
    alGetSourcei(source, AL_BUFFERS_PROCESSED, &processed);
    for (; processed > 0; --processed) {
        ALuint buffer = 0;
        alSourceUnqueueBuffers(source, 1, &buffer);
        if (alFailed()) {
            logError("error during alSourceUnqueueBuffers");
            fail(source);
            return state_;
        }
        long got = fill(buffer);
        if (got < 0) {
            fail(source);
            return state_;
        }
        if (got == 0) continue;  // a piece that does not loop has run out
        alSourceQueueBuffers(source, 1, &buffer);
        if (alFailed()) {
            logError("error during alSourceQueueBuffers");
            fail(source);
            return state_;
        }
    }
    ALint playing = 0;
    ALint queued = 0;
    alGetSourcei(source, AL_SOURCE_STATE, &playing);
    alGetSourcei(source, AL_BUFFERS_QUEUED, &queued);
    if (playing == AL_STOPPED) {
        if (queued == 0) {
            state_ = State::Finished;
        } else {
            // The source ran through the whole queue before it was refilled (a loading
            // screen or a stalled frame): it carries on from the fresh buffers.
            alSourcePlay(source);
            restarts_ += 1;
        }
    }
    return state_;
}

void MusicStreamer::fail(unsigned int source) {
    detach(source);
    state_ = State::Failed;
}

void MusicStreamer::stop(unsigned int source) {
    detach(source);
    deleteBuffers();
}
