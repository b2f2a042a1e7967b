#include "audio/OggStream.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

std::size_t readMemory(void* into, std::size_t size, std::size_t count, void* source) {
    OggStream::Source& s = *static_cast<OggStream::Source*>(source);
    if (size == 0 || s.position >= s.size) return 0;
    std::size_t items = std::min(count, (s.size - s.position) / size);
    std::memcpy(into, s.bytes + s.position, items * size);
    s.position += items * size;
    return items;
}

int seekMemory(void* source, ogg_int64_t offset, int whence) {
    OggStream::Source& s = *static_cast<OggStream::Source*>(source);
    ogg_int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? static_cast<ogg_int64_t>(s.position)
                                                                   : static_cast<ogg_int64_t>(s.size);
    if (offset < -base || offset > static_cast<ogg_int64_t>(s.size) - base) return -1;
    s.position = static_cast<std::size_t>(base + offset);
    return 0;
}

long tellMemory(void* source) { return static_cast<long>(static_cast<OggStream::Source*>(source)->position); }

std::size_t readFile(void* into, std::size_t size, std::size_t count, void* file) {
    return std::fread(into, size, count, static_cast<std::FILE*>(file));
}

int seekFile(void* file, ogg_int64_t offset, int whence) {
    return std::fseek(static_cast<std::FILE*>(file), static_cast<long>(offset), whence);
}

long tellFile(void* file) { return std::ftell(static_cast<std::FILE*>(file)); }

}  // namespace

OggStream::OggStream() : file_(std::make_unique<OggVorbis_File>()) {}

OggStream::~OggStream() { close(); }

bool OggStream::open(const unsigned char* bytes, std::size_t size) {
    close();
    source_ = Source{bytes, size, 0};
    ov_callbacks callbacks{readMemory, seekMemory, nullptr, tellMemory};
    return opened(ov_open_callbacks(&source_, file_.get(), nullptr, 0, callbacks));
}

bool OggStream::open(std::FILE* file) {
    close();
    if (!file || std::fseek(file, 0, SEEK_SET) != 0) return false;
    ov_callbacks callbacks{readFile, seekFile, nullptr, tellFile};
    return opened(ov_open_callbacks(file, file_.get(), nullptr, 0, callbacks));
}

bool OggStream::opened(int result) {
    if (result != 0) return false;
    open_ = true;
    vorbis_info* info = ov_info(file_.get(), -1);
    if (info == nullptr || (info->channels != 1 && info->channels != 2) || info->rate <= 0) {
        close();
        return false;
    }
    channels_ = info->channels;
    rate_ = info->rate;
    return true;
}

void OggStream::close() {
    if (open_) ov_clear(file_.get());
    open_ = false;
    channels_ = 0;
    rate_ = 0;
}

long OggStream::read(char* into, int size) {
    if (!open_) return kDecodeError;
    int bitstream = 0;
    long got = ov_read(file_.get(), into, size, /*bigendianp=*/0, /*word=*/2, /*sgned=*/1, &bitstream);
    if (got <= 0) return got == 0 ? 0 : kDecodeError;
    vorbis_info* now = ov_info(file_.get(), bitstream);
    if (now == nullptr || now->channels != channels_) return kFormatChanged;
    return got;
}
