// balltexture.png: a white ball with round dark patches where the corners of an
// icosahedron lie, wrapped with the ball model's latitude-longitude mapping. Twelve
// patches spread evenly over the sphere show every turn of the ball, whether it rolls
// across the field or spins on the spot.
#include "Generator.h"
#include "Image.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kWidth = 512;
constexpr int kHeight = 256;
constexpr float kPi = 3.14159265f;
constexpr float kPatchAngle = 0.30f;  // angular radius of a patch
constexpr float kEdgeAngle = 0.03f;   // soft edge

struct Direction {
    float x, y, z;
};

// The twelve corners of an icosahedron, tipped so that none sits on a pole of the mapping.
std::vector<Direction> patchCentres() {
    const float g = (1.0f + std::sqrt(5.0f)) * 0.5f;
    std::vector<Direction> corners;
    for (float a : {-1.0f, 1.0f})
        for (float b : {-g, g}) {
            corners.push_back({0, a, b});
            corners.push_back({a, b, 0});
            corners.push_back({b, 0, a});
        }
    const float tilt = 0.4f, c = std::cos(tilt), s = std::sin(tilt);
    for (Direction& d : corners) {
        float length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
        Direction unit{d.x / length, d.y / length, d.z / length};
        d = {unit.x, unit.y * c - unit.z * s, unit.y * s + unit.z * c};
    }
    return corners;
}

bool generateBallTexture(const std::string& resourcesDir) {
    Image image(kWidth, kHeight);
    const std::vector<Direction> centres = patchCentres();
    const Rgba white{245, 243, 236, 255};
    const Rgba patch{28, 30, 40, 255};
    for (int y = 0; y < kHeight; ++y) {
        float theta = kPi * (static_cast<float>(y) + 0.5f) / kHeight;
        for (int x = 0; x < kWidth; ++x) {
            float phi = 2.0f * kPi * (static_cast<float>(x) + 0.5f) / kWidth;
            // The same direction the ball model gives this texture coordinate.
            Direction p{std::sin(theta) * std::cos(phi), std::cos(theta),
                        std::sin(theta) * std::sin(phi)};
            float best = 1e9f;
            for (const Direction& c : centres) {
                float cosine = std::clamp(p.x * c.x + p.y * c.y + p.z * c.z, -1.0f, 1.0f);
                best = std::min(best, std::acos(cosine));
            }
            float t = std::clamp((kPatchAngle + kEdgeAngle - best) / (2.0f * kEdgeAngle), 0.0f, 1.0f);
            auto m = [&](uint8_t a, uint8_t b) { return uint8_t(a + (b - a) * t + 0.5f); };
            image.set(x, y, {m(white.r, patch.r), m(white.g, patch.g), m(white.b, patch.b), 255});
        }
    }
    return savePng(image, resourcesDir + "/textures/balltexture.png");
}

}  // namespace

PITCHBAR_ASSET_GENERATOR("balltexture.png", generateBallTexture);
