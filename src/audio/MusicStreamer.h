#pragma once
// Plays a piece of music on one OpenAL source from a short queue of buffers that are
// refilled as they are played, instead of holding the whole decoded piece in one buffer:
// the 62 s loop is 11 MB of 16-bit samples, the queue a third of a megabyte. At the end of
// a looping piece the decoder starts again from the first sample and the buffer being
// filled carries on, so the loop has no gap.
#include "audio/OggDecoder.h"
#include "audio/OggStream.h"

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

// A music file as loaded for streaming: where it is and what one pass over it decodes to.
// The sound system keeps no bytes (four pieces would hold about 4 MB): a streamer reads the
// file when it starts playing, a buffer at a time, and closes it when it ends. Bytes given
// here are streamed instead of the file's.
struct StreamedMusic {
    std::string path;
    std::vector<unsigned char> bytes;
    OggPiece piece;
};

class MusicStreamer {
public:
    // Four buffers of half a second: two seconds are queued ahead, so a frame would have
    // to last that long (twenty times a 20 fps frame) to starve the queue, and a refill
    // decodes about a millisecond's work at a time.
    static constexpr int kQueueBuffers = 4;
    static constexpr int kBufferMilliseconds = 500;

    enum class State { Playing, Finished, Failed };

    // `music` must outlive the streamer.
    MusicStreamer(const StreamedMusic& music, bool loop);
    // Deletes the queue's buffers; stop() must have taken them off the source.
    ~MusicStreamer();
    MusicStreamer(const MusicStreamer&) = delete;
    MusicStreamer& operator=(const MusicStreamer&) = delete;

    // Generates the queue's buffers, fills them and queues them on the stopped `source`,
    // which is set not to loop (the streamer loops). The caller starts the source. false
    // with an error line.
    bool prime(unsigned int source);
    // Once per frame: refills and requeues the buffers the source has played, and starts
    // the source again when a long frame let the queue run dry. Failed once decoding broke
    // (one error line; the source is stopped and emptied), Finished once a piece that does
    // not loop has played to its end.
    State update(unsigned int source);
    // Stops the source, takes the queue off it and deletes the buffers.
    void stop(unsigned int source);

    // Where the stream stands after the last update.
    State state() const { return state_; }
    // How often the queue ran dry and the source was started again.
    int restarts() const { return restarts_; }

private:
    // Decodes the next samples into `buffer`, from the first sample again at the end of a
    // looping piece: the byte count, 0 when a piece that does not loop has run out, -1
    // (with the error line) when decoding or the upload failed.
    long fill(unsigned int buffer);
    void fail(unsigned int source);
    // Stops the source and takes the queue off it.
    void detach(unsigned int source);
    void deleteBuffers();

    const StreamedMusic& music_;
    // The file, opened by prime() unless music_ has bytes, and read a buffer at a time: the
    // whole file held would cost a megabyte per piece playing.
    std::FILE* file_ = nullptr;
    bool loop_;
    OggStream stream_;
    std::size_t passBytes_ = 0;  // decoded so far in the current pass over the piece
    std::vector<char> scratch_;
    unsigned int buffers_[kQueueBuffers] = {};
    bool generated_ = false;
    State state_ = State::Playing;
    int restarts_ = 0;
};
