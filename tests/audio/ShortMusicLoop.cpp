#include "ShortMusicLoop.h"

#include "audio/OggVorbisWriter.h"

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

bool writeShortMusicLoop(const std::string& path, int channels, int frames) {
    constexpr double kPi = 3.14159265358979323846;
    std::vector<float> samples(static_cast<std::size_t>(frames) * channels);
    for (int i = 0; i < frames; ++i) {
        const double t = double(i) / 44100.0;
        const double sweep = 0.15 * std::sin(2.0 * kPi * (200.0 * t + 900.0 * t * t));
        for (int c = 0; c < channels; ++c)
            samples[std::size_t(i) * channels + c] =
                float(sweep + 0.25 * std::sin(2.0 * kPi * (330.0 + 110.0 * c) * t));
    }
    return saveOggVorbis(path, samples, channels, 44100, 0.4f);
}

std::vector<std::int16_t> decodedSamples(const std::string& path) {
    DecodedSound decoded;
    if (!decodeOggFile(path, decoded)) return {};
    std::vector<std::int16_t> out(decoded.pcm.size() / 2);
    std::memcpy(out.data(), decoded.pcm.data(), out.size() * 2);
    return out;
}

std::vector<std::int16_t> repeated(const std::vector<std::int16_t>& piece, std::size_t count) {
    std::vector<std::int16_t> out;
    out.reserve(count);
    while (!piece.empty() && out.size() < count)
        out.push_back(piece[out.size() % piece.size()]);
    return out;
}

std::vector<unsigned char> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFileBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
