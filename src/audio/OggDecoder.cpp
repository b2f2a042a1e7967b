#include "audio/OggDecoder.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

// Decodes an opened stream in chunks and closes it. The length the stream claims is not
// trusted for anything: a damaged last page can claim any number of samples.
bool decodeOpened(OggVorbis_File& file, DecodedSound& out, std::size_t maxBytes) {
    vorbis_info* info = ov_info(&file, -1);
    // Only mono and stereo can be played; anything else is refused before any decoding.
    if (info == nullptr || (info->channels != 1 && info->channels != 2) || info->rate <= 0) {
        ov_clear(&file);
        return false;
    }
    out.channels = info->channels;
    out.rate = info->rate;

    constexpr int kChunkBytes = 32768;
    bool ok = true;
    int bitstream = 0;
    for (;;) {
        if (!out.pcm.makeRoom(kChunkBytes)) {
            ok = false;
            break;
        }
        long got = ov_read(&file, out.pcm.end(), kChunkBytes, /*bigendianp=*/0, /*word=*/2,
                           /*sgned=*/1, &bitstream);
        if (got <= 0) break;
        // A chained stream may change its channel count part way; the buffer has one format.
        vorbis_info* now = ov_info(&file, bitstream);
        if (now == nullptr || now->channels != out.channels) {
            ok = false;
            break;
        }
        out.pcm.grow(static_cast<std::size_t>(got));
        if (out.pcm.size() > maxBytes) {
            ok = false;
            break;
        }
    }
    ov_clear(&file);
    if (!ok || out.pcm.empty()) {
        out.pcm.clear();
        return false;
    }
    return true;
}

struct MemoryStream {
    const unsigned char* bytes;
    std::size_t size;
    std::size_t position;
};

std::size_t readMemory(void* into, std::size_t size, std::size_t count, void* source) {
    MemoryStream& s = *static_cast<MemoryStream*>(source);
    if (size == 0 || s.position >= s.size) return 0;
    std::size_t items = std::min(count, (s.size - s.position) / size);
    std::memcpy(into, s.bytes + s.position, items * size);
    s.position += items * size;
    return items;
}

int seekMemory(void* source, ogg_int64_t offset, int whence) {
    MemoryStream& s = *static_cast<MemoryStream*>(source);
    ogg_int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? static_cast<ogg_int64_t>(s.position)
                                                                   : static_cast<ogg_int64_t>(s.size);
    if (offset < -base || offset > static_cast<ogg_int64_t>(s.size) - base) return -1;
    s.position = static_cast<std::size_t>(base + offset);
    return 0;
}

long tellMemory(void* source) { return static_cast<long>(static_cast<MemoryStream*>(source)->position); }

}  // namespace

bool decodeOggFile(const std::string& path, DecodedSound& out, std::size_t maxBytes) {
    out = DecodedSound{};
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0) return false;
    return decodeOpened(file, out, maxBytes);
}

bool decodeOggBytes(const unsigned char* bytes, std::size_t size, DecodedSound& out, std::size_t maxBytes) {
    out = DecodedSound{};
    MemoryStream stream{bytes, size, 0};
    ov_callbacks callbacks{readMemory, seekMemory, nullptr, tellMemory};
    OggVorbis_File file;
    if (ov_open_callbacks(&stream, &file, nullptr, 0, callbacks) != 0) return false;
    return decodeOpened(file, out, maxBytes);
}
