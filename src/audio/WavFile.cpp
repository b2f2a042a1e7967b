#include "audio/WavFile.h"

#include <AL/alut.h>

#include <cctype>
#include <cstdint>
#include <fstream>
#include <vector>

namespace {

// The bytes of a file at given places, read through one stream.
class FileBytes {
public:
    explicit FileBytes(const std::string& path) : in_(path, std::ios::binary) {
        if (in_) {
            in_.seekg(0, std::ios::end);
            size_ = static_cast<std::uint64_t>(in_.tellg());
        }
    }
    bool open() const { return static_cast<bool>(in_); }
    std::uint64_t size() const { return size_; }
    // false past the end
    bool read(std::uint64_t at, unsigned char* out, std::size_t count) {
        if (at + count > size_) return false;
        in_.clear();
        in_.seekg(static_cast<std::streamoff>(at));
        return static_cast<bool>(in_.read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(count)));
    }
    bool bigEndian32(std::uint64_t at, std::uint32_t& value) {
        unsigned char b[4];
        if (!read(at, b, 4)) return false;
        value = std::uint32_t(b[0]) << 24 | std::uint32_t(b[1]) << 16 | std::uint32_t(b[2]) << 8 | b[3];
        return true;
    }
    bool littleEndian32(std::uint64_t at, std::uint32_t& value) {
        unsigned char b[4];
        if (!read(at, b, 4)) return false;
        value = std::uint32_t(b[3]) << 24 | std::uint32_t(b[2]) << 16 | std::uint32_t(b[1]) << 8 | b[0];
        return true;
    }

private:
    std::ifstream in_;
    std::uint64_t size_ = 0;
};

bool endsWithRaw(const std::string& path) {
    if (path.size() < 4) return false;
    std::string end = path.substr(path.size() - 4);
    for (char& c : end) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return end == ".raw";
}

// freealut reserves every length a header claims before it reads that many bytes, so a
// damaged header of a few bytes has it ask for up to 4 GB (and the read then fails). Its
// walk through the headers is repeated here, and a file that claims more bytes than it
// holds is refused before freealut sees it. Anything else, broken or not, is freealut's to
// judge: this only answers whether a claim runs past the end of the file.
bool claimsFitTheFile(const std::string& path) {
    if (endsWithRaw(path)) return true;  // read whole, as raw samples
    FileBytes file(path);
    if (!file.open()) return true;
    const std::uint64_t size = file.size();
    std::uint32_t magic = 0;
    if (!file.bigEndian32(0, magic)) return true;
    if (magic == 0x52494646) {  // "RIFF"
        std::uint32_t wave = 0, length = 0;
        if (!file.littleEndian32(4, length) || !file.bigEndian32(8, wave) || wave != 0x57415645) return true;
        bool formatSeen = false;
        for (std::uint64_t at = 12;;) {
            std::uint32_t id = 0;
            if (!file.bigEndian32(at, id) || !file.littleEndian32(at + 4, length)) return true;
            at += 8;
            if (id == 0x666d7420) {  // "fmt ": 16 bytes read, the rest skipped
                formatSeen = true;
                unsigned char format[2];
                if (length < 16 || !file.read(at, format, 2) || at + 16 > size) return true;
                at += 16;
                if (length - 16 > size - at) return false;
                at += length - 16;
                const int code = format[0] | format[1] << 8;
                if (code != 1 && code != 7) return true;
            } else if (id == 0x64617461) {  // "data": the samples, read whole
                return !formatSeen || length <= size - at;
            } else {
                if (length > size - at) return false;
                at += length;
            }
            if ((length & 1) && at < size) at += 1;  // odd chunks are padded
        }
    }
    if (magic == 0x2E736E64) {  // ".snd": a 24-byte header, then the samples at their offset
        std::uint32_t offset = 0, length = 0;
        if (!file.bigEndian32(4, offset) || !file.bigEndian32(8, length) || size < 24) return true;
        const auto dataOffset = static_cast<std::int32_t>(offset);
        if (dataOffset < 24) return true;
        if (offset > size) return false;  // the skip to the samples
        // A length of -1 means up to the end, counted from the file's size.
        if (length == 0xFFFFFFFFu) return offset + 24 <= size;
        return length <= size - offset;  // any other negative one is taken as unsigned
    }
    return true;
}

}  // namespace

bool readWavFile(const std::string& path, WavSamples& out) {
    if (!claimsFitTheFile(path)) return false;
    // The loader leaves its outputs untouched when the file cannot be read, so they start
    // out empty and an empty result counts as a failure.
    ALenum format = 0;
    void* data = nullptr;
    ALsizei size = 0;
    ALsizei frequency = 0;
    ALboolean loop = AL_FALSE;
    std::vector<ALbyte> name(path.begin(), path.end());
    name.push_back(0);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    alutLoadWAVFile(name.data(), &format, &data, &size, &frequency, &loop);
#pragma GCC diagnostic pop
    out.data.reset(data);
    if (data == nullptr || size <= 0 || frequency <= 0 || format == 0) return false;
    out.format = format;
    out.size = size;
    out.frequency = frequency;
    return true;
}
