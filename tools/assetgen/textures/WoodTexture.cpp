// wood.png: varnished wood for the cabinet, the floor and the rod handles. The grain runs
// along u, the direction the models lay along each board. Growth rings are drawn as a
// board sawn through the trunk shows them: light early wood darkening into a thin band of
// late wood, then a sharp step back to light; their spacing varies, and they swing into
// long arches along the board. Pores streak along the grain, broad patches vary the tone,
// and an amber varnish deepens it all. Everything is built from tiling noise and whole
// numbers of rings, so the picture repeats seamlessly in both directions.
#include "Generator.h"
#include "Image.h"
#include "textures/TextureNoise.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSize = 512;

struct Colour {
    float r, g, b;
};

Colour mixColour(Colour a, Colour b, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

float smoothStep(float e0, float e1, float x) {
    float t = std::clamp((x - e0) / (e1 - e0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

uint8_t channel(float value) { return static_cast<uint8_t>(std::clamp(value, 0.0f, 255.0f) + 0.5f); }

// Brightness of the growth rings at a phase measured in rings: 0 in early wood, rising
// through the year to 1 in the late-wood band, which ends abruptly.
float ringDarkness(float phase) {
    float f = phase - std::floor(phase);
    return 0.35f * smoothStep(0.15f, 0.78f, f) + 0.65f * smoothStep(0.74f, 0.86f, f) * (1.0f - smoothStep(0.93f, 0.985f, f));
}

bool generateWoodTexture(const std::string& resourcesDir) {
    Image image(kSize, kSize);
    TilingNoise taper(0xB0A2Du, 2);      // how far the board lies from the heart, along it
    TilingNoise wobble(0x51A7Eu, 6);     // uneven years
    TilingNoise patches(0xC0FFEEu, 4);   // broad changes of tone
    TilingNoise pores(0x5EEDu, 64);      // fine streaks along the grain
    TilingNoise flecks(0xF1ECu, 32);
    const Colour early{216, 170, 116};
    const Colour late{116, 70, 38};
    const Colour varnish{255, 214, 168};  // the amber a coat of varnish gives
    const float ringsPerUnit = 26.0f;
    const float pi = 3.14159265f;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            float u = static_cast<float>(x) / kSize, v = static_cast<float>(y) / kSize;
            // The board is sawn past the trunk's heart: the rings are circles round it, cut
            // by the board's face. Across the board (v) the distance from the heart's line
            // folds back every tile; along it (u) the trunk's taper moves the heart nearer
            // and further, so the rings close into long arches and open out again.
            float across = std::fabs(std::sin(pi * (v - 0.35f))) / pi;
            float depth = 0.05f + 0.11f * taper.fractal(u * 2.0f, 0.5f, 2);
            float radius = std::sqrt(across * across + depth * depth);
            float phase = radius * ringsPerUnit + 0.35f * wobble.fractal(u * 6.0f, v * 6.0f, 2);
            float dark = ringDarkness(phase);
            // Pores: short dark streaks, long along u and thin across.
            float pore = pores.at(u * 4.0f, v * 64.0f);
            float streak = smoothStep(0.62f, 0.9f, pore) * (0.5f + 0.5f * flecks.at(u * 32.0f, v * 8.0f));
            Colour c = mixColour(early, late, dark * 0.8f + 0.22f * streak);
            // Broad patches a little lighter or darker, as boards differ along their length.
            float tone = 0.9f + 0.2f * patches.fractal(u * 4.0f, v * 4.0f, 2);
            c = {c.r * tone, c.g * tone, c.b * tone};
            // Varnish: a warm, slightly deeper finish over everything.
            c = {c.r * varnish.r / 255.0f, c.g * varnish.g / 255.0f, c.b * varnish.b / 255.0f};
            image.set(x, y, {channel(c.r), channel(c.g), channel(c.b), 255});
        }
    }
    return savePng(image, resourcesDir + "/textures/wood.png");
}

}  // namespace

PITCHBAR_ASSET_GENERATOR("wood.png", generateWoodTexture);
