#pragma once
// Decodes a whole Ogg Vorbis piece to 16-bit signed little-endian PCM in memory, or only
// measures it: the game streams its music (OggStream) and decodes a piece whole only to
// check it once at loading and in tests and tools.
#include <cstddef>
#include <string>
#include <vector>

// The decoded samples in one block that grows chunk by chunk. Growing it is the one
// allocation whose size a file decides, so a failure to grow is an answer (false), not an
// abort.
class PcmBlock {
public:
    PcmBlock() = default;
    ~PcmBlock();
    PcmBlock(PcmBlock&& other) noexcept;
    PcmBlock& operator=(PcmBlock&& other) noexcept;
    PcmBlock(const PcmBlock&) = delete;
    PcmBlock& operator=(const PcmBlock&) = delete;

    const char* data() const { return data_; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    // Room for at least extra more bytes past the end; false when memory ran out.
    bool makeRoom(std::size_t extra);
    char* end() { return data_ + size_; }
    void grow(std::size_t bytes) { size_ += bytes; }
    void clear();

private:
    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

struct DecodedSound {
    int channels = 0;
    long rate = 0;
    PcmBlock pcm;
};

// The most decoded bytes a music file may give: over twelve minutes of 44.1 kHz stereo.
// Anything longer is a broken or hostile file, and it must stay below what one sound buffer
// can be handed (a signed 32-bit size).
constexpr std::size_t kMaxMusicBytes = std::size_t(128) << 20;

// What one pass over a piece gives.
struct OggPiece {
    int channels = 0;
    long rate = 0;
    std::size_t pcmBytes = 0;
};

// Reads a whole music file into `bytes`; false (and empty) when it cannot be read, is
// empty or is longer than maxBytes.
bool readMusicFile(const std::string& path, std::vector<unsigned char>& bytes,
                   std::size_t maxBytes = kMaxMusicBytes);

// Decodes the piece once without keeping its samples; false on the same grounds as
// decodeOggBytes. The piece is what decodes before the stream's end or its first damage.
bool measureOggBytes(const unsigned char* bytes, std::size_t size, OggPiece& out,
                     std::size_t maxBytes = kMaxMusicBytes);

// false when the file cannot be opened as mono or stereo Ogg Vorbis, decodes to nothing,
// decodes to more than maxBytes, or its samples do not fit in memory.
bool decodeOggFile(const std::string& path, DecodedSound& out, std::size_t maxBytes = kMaxMusicBytes);
// The same for a file already in memory.
bool decodeOggBytes(const unsigned char* bytes, std::size_t size, DecodedSound& out,
                    std::size_t maxBytes = kMaxMusicBytes);
