#pragma once
// Decodes a whole Ogg Vorbis file to 16-bit signed little-endian PCM in memory. The music
// is decoded once at start-up and played from one buffer, so there is no streaming.
#include <string>
#include <vector>

struct DecodedSound {
    int channels = 0;
    long rate = 0;
    std::vector<char> pcm;
};

// false when the file cannot be opened as Ogg Vorbis or decodes to nothing.
bool decodeOggFile(const std::string& path, DecodedSound& out);
