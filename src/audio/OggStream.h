#pragma once
// An Ogg Vorbis file held in memory, read as 16-bit signed little-endian PCM a run at a
// time. Both the whole decode of a piece and the music streamer read through it.
#include <cstddef>
#include <cstdio>
#include <memory>

struct OggVorbis_File;

class OggStream {
public:
    OggStream();
    ~OggStream();
    OggStream(const OggStream&) = delete;
    OggStream& operator=(const OggStream&) = delete;

    // Opens the stream over bytes that must outlive it. false (and closed) unless they are
    // mono or stereo Ogg Vorbis at a positive rate: only those can be played.
    bool open(const unsigned char* bytes, std::size_t size);
    // The same over an open file, read from its start; the file must outlive the stream
    // (closing the stream leaves it open).
    bool open(std::FILE* file);
    void close();
    bool isOpen() const { return open_; }
    int channels() const { return channels_; }
    long rate() const { return rate_; }

    static constexpr long kDecodeError = -1;
    static constexpr long kFormatChanged = -2;
    // Decodes up to `size` bytes into `into` (whole sample frames): the byte count, 0 at the
    // end of the stream, kDecodeError for damaged data (or a closed stream), kFormatChanged
    // when a chained stream changes its channel count part way (the samples go to buffers
    // of one format).
    long read(char* into, int size);

    // Where the decoder's reads are in the bytes (its callbacks move it).
    struct Source {
        const unsigned char* bytes = nullptr;
        std::size_t size = 0;
        std::size_t position = 0;
    };

private:
    bool opened(int result);
    std::unique_ptr<OggVorbis_File> file_;
    Source source_;
    bool open_ = false;
    int channels_ = 0;
    long rate_ = 0;
};
