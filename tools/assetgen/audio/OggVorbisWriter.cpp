#include "audio/OggVorbisWriter.h"

#include "Generator.h"

#include <cstdio>
#include <vorbis/vorbisenc.h>

namespace {

bool writePage(FILE* f, const ogg_page& page) {
    return std::fwrite(page.header, 1, page.header_len, f) == static_cast<size_t>(page.header_len) &&
           std::fwrite(page.body, 1, page.body_len, f) == static_cast<size_t>(page.body_len);
}

}  // namespace

bool saveOggVorbis(const std::string& path, const std::vector<float>& interleaved, int channels, int rate,
                   float quality, const char* title) {
    size_t slash = path.find_last_of('/');
    if (slash != std::string::npos && !makeDirectories(path.substr(0, slash))) {
        std::fprintf(stderr, "cannot create the folder for %s\n", path.c_str());
        return false;
    }
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, rate, quality) != 0) {
        std::fprintf(stderr, "the Vorbis encoder refused %d channels at %d Hz\n", channels, rate);
        vorbis_info_clear(&info);
        return false;
    }
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        vorbis_info_clear(&info);
        return false;
    }

    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "TITLE", title);
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 0x50424152);  // fixed serial: deterministic output

    bool ok = true;
    ogg_packet header, headerComment, headerCode;
    vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &headerComment);
    ogg_stream_packetin(&stream, &headerCode);
    ogg_page page;
    // The headers go on pages of their own, as players expect.
    while (ok && ogg_stream_flush(&stream, &page) != 0) ok = writePage(f, page);

    const long frames = static_cast<long>(interleaved.size() / channels);
    const long chunk = 4096;
    bool finished = false;
    for (long at = 0; ok && !finished;) {
        long n = frames - at < chunk ? frames - at : chunk;
        if (n > 0) {
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(n));
            for (long i = 0; i < n; ++i) {
                for (int c = 0; c < channels; ++c) buffer[c][i] = interleaved[(at + i) * channels + c];
            }
            vorbis_analysis_wrote(&dsp, static_cast<int>(n));
            at += n;
        } else {
            vorbis_analysis_wrote(&dsp, 0);  // end of stream
        }
        while (ok && vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (ok && vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
                ogg_stream_packetin(&stream, &packet);
                while (ok && ogg_stream_pageout(&stream, &page) != 0) {
                    ok = writePage(f, page);
                    if (ogg_page_eos(&page)) finished = true;
                }
            }
        }
        if (n == 0 && !finished) {
            // Everything is out of the encoder; flush whatever is left on a last page.
            while (ok && ogg_stream_flush(&stream, &page) != 0) ok = writePage(f, page);
            finished = true;
        }
    }

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    ok = std::fclose(f) == 0 && ok;
    if (!ok) std::fprintf(stderr, "writing %s failed\n", path.c_str());
    return ok;
}
