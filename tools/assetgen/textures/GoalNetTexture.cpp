// goalnet.png: the net on the walls of the goal boxes, a diamond mesh of pale cord over the
// dark inside of the box. The boxes get no direct light, so the cord shows dim and the
// background near black: the mouth reads as an opening with a net in it. It repeats
// without a seam (the mesh divides the picture evenly).
#include "Generator.h"
#include "Image.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSize = 128;
constexpr int kMesh = 32;          // pixels between two cords
constexpr float kCordHalf = 2.2f;  // half the cord's thickness in pixels

// Coverage of a cord running along one diagonal at distance d (pixels) from its centre.
float cord(float d) { return std::clamp(kCordHalf + 0.5f - std::fabs(d), 0.0f, 1.0f); }

// Distance from the nearest cord of a family of lines a = const (mod kMesh).
float distanceToCord(float a) {
    float m = std::fmod(a, static_cast<float>(kMesh));
    if (m < 0) m += kMesh;
    return std::min(m, kMesh - m) / std::sqrt(2.0f);
}

bool generateGoalNet(const std::string& resourcesDir) {
    Image image(kSize, kSize);
    const Rgba back{22, 22, 26, 255};
    const Rgba net{236, 234, 226, 255};
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const float px = static_cast<float>(x) + 0.5f, py = static_cast<float>(y) + 0.5f;
            const float c = std::max(cord(distanceToCord(px + py)), cord(distanceToCord(px - py)));
            auto mix = [c](uint8_t a, uint8_t b) { return static_cast<uint8_t>(a + (b - a) * c + 0.5f); };
            image.set(x, y, {mix(back.r, net.r), mix(back.g, net.g), mix(back.b, net.b), 255});
        }
    return savePng(image, resourcesDir + "/textures/goalnet.png");
}

}  // namespace

PITCHBAR_ASSET_GENERATOR("goalnet.png", generateGoalNet);
