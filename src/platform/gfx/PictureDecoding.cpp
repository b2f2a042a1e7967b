#include "platform/gfx/PictureDecoding.h"

#include <climits>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

// Only PNG: every picture of the game is one, and stb_image takes bytes it cannot place
// for a TGA picture (that format has no mark to check), so 33 damaged bytes could ask for
// gigabytes of pixels.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_STDIO
#define STBI_ONLY_PNG
#include <stb_image.h>

namespace {

std::uint32_t bigEndian32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

// stb_image reserves memory for what a PNG's header claims before it has the data for it: a
// data chunk's stated length, and the whole picture from its stated size. A few damaged
// bytes thus ask for up to 2 GB each (the decoding then fails). Such a file is refused
// first: a data chunk must fit in the file, and the pixels must be within what deflate can
// unpack from the data chunks (at most 1032 bytes from each of their bytes). Anything else,
// broken or not, is stb_image's to judge.
bool claimsFitTheBytes(const std::uint8_t* bytes, std::size_t size) {
    static const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (size < 8 + 8 + 13 || std::memcmp(bytes, signature, 8) != 0) return true;
    const std::uint8_t* header = bytes + 16;
    if (bigEndian32(bytes + 8) != 13 || bigEndian32(bytes + 12) != 0x49484452) return true;  // "IHDR"
    const std::uint64_t width = bigEndian32(header), height = bigEndian32(header + 4);
    const int depth = header[8];
    const int colourType = header[9];  // grey, -, RGB, palette, grey and alpha, -, RGBA
    const int channels = colourType == 0 || colourType == 3 ? 1
                         : colourType == 2                  ? 3
                         : colourType == 4                  ? 2
                         : colourType == 6                  ? 4
                                                            : 0;
    if (channels == 0 || width > (1u << 24) || height > (1u << 24)) return true;
    std::uint64_t data = 0;
    for (std::uint64_t at = 8; at + 8 <= size;) {
        const std::uint64_t length = bigEndian32(bytes + at);
        const std::uint32_t type = bigEndian32(bytes + at + 4);
        at += 8;
        if (type == 0x49454E44) break;  // "IEND"
        if (type == 0x49444154) {       // "IDAT"
            if (length > size - at) return false;
            data += length;
        }
        at += length + 4;  // the chunk and its check sum
    }
    const std::uint64_t pixelBytes = width * height * channels * depth / 8;
    return pixelBytes <= (data + 1) * 1032;
}

}  // namespace

void PicturePixelsFree::operator()(std::uint8_t* pixels) const { stbi_image_free(pixels); }

bool decodePicture(const std::uint8_t* bytes, std::size_t size, DecodedPicture& out) {
    if (size > static_cast<std::size_t>(INT_MAX) || !claimsFitTheBytes(bytes, size)) return false;
    int w = 0, h = 0, channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(bytes, static_cast<int>(size), &w, &h, &channels, 4);
    if (!pixels) return false;
    out.rgba.reset(pixels);
    out.width = w;
    out.height = h;
    return true;
}

bool decodePictureFile(const std::string& path, DecodedPicture& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return decodePicture(bytes.data(), bytes.size(), out);
}
