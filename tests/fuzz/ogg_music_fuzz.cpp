// The music decoder on arbitrary bytes, with a smaller cap than the game's so that one
// input cannot take long: whatever it answers, it answers without aborting, and a success
// holds samples of the one format the sound buffer is given.
#include "audio/OggDecoder.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kCap = std::size_t(16) << 20;
    DecodedSound sound;
    if (!decodeOggBytes(data, size, sound, kCap)) return 0;
    if (sound.pcm.empty() || sound.pcm.size() > kCap || (sound.channels != 1 && sound.channels != 2) ||
        sound.rate <= 0)
        std::abort();
    return 0;
}
