#include "audio/OggDecoder.h"

#include <vorbis/vorbisfile.h>

bool decodeOggFile(const std::string& path, DecodedSound& out) {
    out = DecodedSound{};
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0) return false;
    vorbis_info* info = ov_info(&file, -1);
    if (info == nullptr) {
        ov_clear(&file);
        return false;
    }
    out.channels = info->channels;
    out.rate = info->rate;

    // Knowing the length up front saves the block from growing ten megabytes by doubling.
    ogg_int64_t frames = ov_pcm_total(&file, -1);
    if (frames > 0) out.pcm.reserve(static_cast<size_t>(frames) * 2u * static_cast<size_t>(out.channels));

    constexpr int kChunkBytes = 32768;
    int bitstream = 0;
    for (;;) {
        size_t used = out.pcm.size();
        out.pcm.resize(used + kChunkBytes);
        long got = ov_read(&file, out.pcm.data() + used, kChunkBytes, /*bigendianp=*/0,
                           /*word=*/2, /*sgned=*/1, &bitstream);
        if (got <= 0) {
            out.pcm.resize(used);
            break;
        }
        out.pcm.resize(used + static_cast<size_t>(got));
    }
    ov_clear(&file);
    return !out.pcm.empty() && (out.channels == 1 || out.channels == 2);
}
