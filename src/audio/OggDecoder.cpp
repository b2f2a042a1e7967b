#include "audio/OggDecoder.h"

#include "audio/OggStream.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>
#include <utility>

PcmBlock::~PcmBlock() { std::free(data_); }

PcmBlock::PcmBlock(PcmBlock&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)) {}

PcmBlock& PcmBlock::operator=(PcmBlock&& other) noexcept {
    if (this != &other) {
        std::free(data_);
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
    }
    return *this;
}

bool PcmBlock::makeRoom(std::size_t extra) {
    if (capacity_ - size_ >= extra) return true;
    // Doubling keeps the copies few however long the piece turns out to be.
    if (extra > SIZE_MAX / 4 || capacity_ > SIZE_MAX / 4) return false;
    std::size_t wanted = capacity_ < 65536 ? 65536 : capacity_ * 2;
    while (wanted - size_ < extra) wanted *= 2;
    char* bigger = static_cast<char*>(std::realloc(data_, wanted));
    if (bigger == nullptr) return false;
    data_ = bigger;
    capacity_ = wanted;
    return true;
}

void PcmBlock::clear() {
    std::free(data_);
    data_ = nullptr;
    size_ = capacity_ = 0;
}

namespace {

// One pass over the stream. Each decoded run goes into `keep` when it is given, otherwise
// into a scratch chunk that is only counted. The piece is what decodes before the first
// end or decode error; the length the stream claims is not trusted for anything, since a
// damaged last page can claim any number of samples.
bool decodePass(const unsigned char* bytes, std::size_t size, std::size_t maxBytes, PcmBlock* keep, OggPiece& out) {
    out = OggPiece{};
    OggStream stream;
    if (!stream.open(bytes, size)) return false;
    out.channels = stream.channels();
    out.rate = stream.rate();

    constexpr int kChunkBytes = 32768;
    std::unique_ptr<char[]> scratch(keep == nullptr ? new (std::nothrow) char[kChunkBytes] : nullptr);
    if (keep == nullptr && scratch == nullptr) return false;
    for (;;) {
        if (keep != nullptr && !keep->makeRoom(kChunkBytes)) return false;
        long got = stream.read(keep != nullptr ? keep->end() : scratch.get(), kChunkBytes);
        if (got == OggStream::kFormatChanged) return false;
        if (got <= 0) break;
        if (keep != nullptr) keep->grow(static_cast<std::size_t>(got));
        out.pcmBytes += static_cast<std::size_t>(got);
        if (out.pcmBytes > maxBytes) return false;
    }
    return out.pcmBytes > 0;
}

}  // namespace

bool readMusicFile(const std::string& path, std::vector<unsigned char>& bytes, std::size_t maxBytes) {
    bytes.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    bool ok = std::fseek(file, 0, SEEK_END) == 0;
    long length = ok ? std::ftell(file) : -1;
    ok = length > 0 && static_cast<unsigned long>(length) <= maxBytes && std::fseek(file, 0, SEEK_SET) == 0;
    if (ok) {
        bytes.resize(static_cast<std::size_t>(length));
        ok = std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
    }
    std::fclose(file);
    if (!ok) std::vector<unsigned char>().swap(bytes);
    return ok;
}

bool measureOggBytes(const unsigned char* bytes, std::size_t size, OggPiece& out, std::size_t maxBytes) {
    return decodePass(bytes, size, maxBytes, nullptr, out);
}

bool decodeOggFile(const std::string& path, DecodedSound& out, std::size_t maxBytes) {
    out = DecodedSound{};
    std::vector<unsigned char> bytes;
    return readMusicFile(path, bytes, maxBytes) && decodeOggBytes(bytes.data(), bytes.size(), out, maxBytes);
}

bool decodeOggBytes(const unsigned char* bytes, std::size_t size, DecodedSound& out, std::size_t maxBytes) {
    out = DecodedSound{};
    OggPiece piece;
    if (!decodePass(bytes, size, maxBytes, &out.pcm, piece)) {
        out.pcm.clear();
        return false;
    }
    out.channels = piece.channels;
    out.rate = piece.rate;
    return true;
}
