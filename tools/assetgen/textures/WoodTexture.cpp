// wood.png: light varnished wood for the cabinet and the rod handles. The grain runs along
// u, the direction the models lay along each board; growth rings are bent by tiling noise
// so the picture repeats seamlessly in both directions.
#include "Generator.h"
#include "Image.h"
#include "textures/TextureNoise.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSize = 512;
constexpr float kPi = 3.14159265f;

Rgba mix(Rgba a, Rgba b, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    auto m = [&](uint8_t x, uint8_t y) { return uint8_t(x + (y - x) * t + 0.5f); };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b), 255};
}

bool generateWoodTexture(const std::string& resourcesDir) {
    Image image(kSize, kSize);
    TilingNoise bend(0xB0A2Du, 4);
    TilingNoise streaks(0x5EEDu, 64);
    const Rgba light{204, 150, 92, 255};
    const Rgba dark{142, 88, 46, 255};
    const float rings = 9.0f;  // whole rings per tile, so the tile wraps across the grain
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            float u = static_cast<float>(x) / kSize, v = static_cast<float>(y) / kSize;
            float warp = bend.fractal(u * 4.0f, v * 4.0f, 3);
            float phase = (v + 0.16f * warp) * rings;
            float ring = 0.5f + 0.5f * std::sin(2.0f * kPi * phase);
            ring = std::pow(ring, 3.0f);  // thin dark late-wood lines on light early wood
            // Fine pores stretched along the grain.
            float pore = streaks.at(u * 4.0f, v * 64.0f);
            float t = 0.65f * ring + 0.35f * pore * pore;
            image.set(x, y, mix(light, dark, t));
        }
    }
    return savePng(image, resourcesDir + "/textures/wood.png");
}

}  // namespace

PITCHBAR_ASSET_GENERATOR("wood.png", generateWoodTexture);
