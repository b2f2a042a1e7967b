#pragma once
// Pictures decoded from their bytes with stb_image, before any device sees them: PNG as
// 8-bit RGBA, top row first, as the game's texture coordinates expect. No GL context is
// needed, so the decoder is fuzzed on its own.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

struct PicturePixelsFree {
    void operator()(std::uint8_t* pixels) const;
};

struct DecodedPicture {
    int width = 0;
    int height = 0;
    std::unique_ptr<std::uint8_t[], PicturePixelsFree> rgba;  // width * height * 4 bytes
};

// false when the bytes are no PNG picture stb_image can read (one without pixels included).
bool decodePicture(const std::uint8_t* bytes, std::size_t size, DecodedPicture& out);
// The file's bytes, decoded; false when it cannot be read or decoded.
bool decodePictureFile(const std::string& path, DecodedPicture& out);
