// The picture decoder every texture goes through, on arbitrary bytes: a picture it accepts
// has pixels, and all of them are there.
#include "platform/gfx/PictureDecoding.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DecodedPicture picture;
    if (!decodePicture(data, size, picture)) return 0;
    if (picture.width <= 0 || picture.height <= 0 || !picture.rgba) std::abort();
    // Touching the last pixel lets AddressSanitizer catch a buffer shorter than its size.
    const std::size_t bytes = static_cast<std::size_t>(picture.width) * picture.height * 4;
    volatile std::uint8_t last = picture.rgba[bytes - 1];
    (void)last;
    return 0;
}
