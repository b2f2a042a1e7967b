// playfield.png: the green field with its white markings, laid once over the field model
// from wall face to wall face (121 by 70 table units; u from team 0's end wall, v from the
// far side wall). Markings are drawn in table units through a distance test per pixel, so
// the lines are anti-aliased and sit where the field's goals and rods are.
#include "Generator.h"
#include "Image.h"
#include "models/TableGeometry.h"
#include "textures/TextureNoise.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace table;

constexpr int kWidth = 1024;
constexpr int kHeight = 592;
constexpr float kLineHalfWidth = 0.35f;
constexpr float kBoundaryX = kHalfLength;   // lines where the ball centre is stopped
constexpr float kBoundaryZ = kHalfWidth;
constexpr float kCentreCircle = 9.0f;
constexpr float kGoalAreaDepth = 7.0f, kGoalAreaHalf = 17.0f;
constexpr float kPenaltyDepth = 19.0f, kPenaltyHalf = 26.0f;
constexpr float kPenaltySpot = 13.0f;  // from the end line
constexpr float kPenaltyArc = 8.0f;
constexpr float kCornerArc = 2.5f;

float segmentDistance(float x, float z, float x0, float z0, float x1, float z1) {
    float dx = x1 - x0, dz = z1 - z0;
    float t = std::clamp(((x - x0) * dx + (z - z0) * dz) / (dx * dx + dz * dz), 0.0f, 1.0f);
    return std::hypot(x - (x0 + t * dx), z - (z0 + t * dz));
}

float circleDistance(float x, float z, float cx, float cz, float r) {
    return std::fabs(std::hypot(x - cx, z - cz) - r);
}

// Distance from a field point to the nearest white line; spots count as filled discs.
float markingDistance(float x, float z) {
    float d = 1e9f;
    auto line = [&](float x0, float z0, float x1, float z1) {
        d = std::min(d, segmentDistance(x, z, x0, z0, x1, z1));
    };
    line(-kBoundaryX, -kBoundaryZ, kBoundaryX, -kBoundaryZ);
    line(-kBoundaryX, kBoundaryZ, kBoundaryX, kBoundaryZ);
    line(-kBoundaryX, -kBoundaryZ, -kBoundaryX, kBoundaryZ);
    line(kBoundaryX, -kBoundaryZ, kBoundaryX, kBoundaryZ);
    line(0, -kBoundaryZ, 0, kBoundaryZ);
    d = std::min(d, circleDistance(x, z, 0, 0, kCentreCircle));
    d = std::min(d, std::max(0.0f, std::hypot(x, z) - 0.8f));
    for (float side : {-1.0f, 1.0f}) {
        float end = side * kBoundaryX;
        float goalArea = end - side * kGoalAreaDepth;
        line(end, -kGoalAreaHalf, goalArea, -kGoalAreaHalf);
        line(end, kGoalAreaHalf, goalArea, kGoalAreaHalf);
        line(goalArea, -kGoalAreaHalf, goalArea, kGoalAreaHalf);
        float penalty = end - side * kPenaltyDepth;
        line(end, -kPenaltyHalf, penalty, -kPenaltyHalf);
        line(end, kPenaltyHalf, penalty, kPenaltyHalf);
        line(penalty, -kPenaltyHalf, penalty, kPenaltyHalf);
        float spot = end - side * kPenaltySpot;
        d = std::min(d, std::max(0.0f, std::hypot(x - spot, z) - 0.6f));
        // The arc of the penalty area, outside the box only.
        if ((x - penalty) * -side > 0.0f) d = std::min(d, circleDistance(x, z, spot, 0, kPenaltyArc));
        for (float across : {-1.0f, 1.0f}) {
            float cx = end, cz = across * kBoundaryZ;
            bool insideQuarter = (x - cx) * -side >= 0.0f && (z - cz) * -across >= 0.0f;
            if (insideQuarter) d = std::min(d, circleDistance(x, z, cx, cz, kCornerArc));
        }
    }
    return d;
}

bool generatePlayfieldTexture(const std::string& resourcesDir) {
    Image image(kWidth, kHeight);
    TilingNoise grain(0xF1E1Du, 64);
    const float unitsPerPixelX = 2.0f * kWallX / kWidth;
    const float unitsPerPixelZ = 2.0f * kWallZ / kHeight;
    const float pixelSize = std::max(unitsPerPixelX, unitsPerPixelZ);
    for (int py = 0; py < kHeight; ++py) {
        float z = kWallZ - (static_cast<float>(py) + 0.5f) * unitsPerPixelZ;
        for (int px = 0; px < kWidth; ++px) {
            float x = -kWallX + (static_cast<float>(px) + 0.5f) * unitsPerPixelX;
            // Mown stripes across the table, and a little felt grain.
            int stripe = static_cast<int>(std::floor((x + kWallX) / (2.0f * kWallX) * 12.0f));
            float shade = (stripe % 2 == 0) ? 1.0f : 0.9f;
            shade *= 0.92f + 0.16f * grain.fractal(px / 8.0f, py / 8.0f, 3);
            float r = 46 * shade, g = 138 * shade, b = 52 * shade;
            float coverage = std::clamp((kLineHalfWidth - markingDistance(x, z)) / pixelSize + 0.5f,
                                        0.0f, 1.0f);
            r += (235 - r) * coverage;
            g += (240 - g) * coverage;
            b += (232 - b) * coverage;
            image.set(px, py, {uint8_t(std::min(r, 255.0f)), uint8_t(std::min(g, 255.0f)),
                               uint8_t(std::min(b, 255.0f)), 255});
        }
    }
    return savePng(image, resourcesDir + "/textures/playfield.png");
}

}  // namespace

PITCHBAR_ASSET_GENERATOR("playfield.png", generatePlayfieldTexture);
