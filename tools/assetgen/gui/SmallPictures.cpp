// Small pictures of the menus: the ball icon, the orange figure in the corner of every menu
// screen, and the mouse pointer whose tip (the hot spot) is at pixel (8, 8).
#include "Generator.h"
#include "Image.h"
#include "gui/Mask.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

bool generateBall(const std::string& resourcesDir) {
    Image image(32, 32);
    const float cx = 16, cy = 16, r = 14.5f;
    // Patches of the ball's pattern, as points on the visible half.
    std::vector<Point> spots{{16, 16}, {8, 9}, {24, 9}, {6, 22}, {26, 22}, {16, 28}, {16, 4}};
    fillShape(image, 0, 0, 32, 32, [=](float x, float y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; },
              [&](float x, float y) {
                  float best = 1e9f;
                  for (const Point& p : spots) best = std::min(best, std::hypot(x - p.x, y - p.y));
                  Rgba base = best < 3.6f ? rgb(30, 30, 35) : rgb(250, 250, 246);
                  // Shade as a sphere lit from the top left.
                  float nx = (x - cx) / r, ny = (y - cy) / r;
                  float nz = std::sqrt(std::max(0.0f, 1 - nx * nx - ny * ny));
                  float light = std::clamp(0.35f + 0.75f * (-0.5f * nx - 0.6f * ny + 0.62f * nz), 0.2f, 1.1f);
                  return rgb(std::min(255, int(base.r * light)), std::min(255, int(base.g * light)),
                             std::min(255, int(base.b * light)));
              });
    return savePng(image, resourcesDir + "/textures/ball32.png");
}

bool generatePuppet(const std::string& resourcesDir) {
    // A figure of the orange team, front view, on a stub of its rod.
    const int w = 110, h = 128;
    Image image(w, h);
    auto orange = [](float x, float) {
        float t = std::clamp((x - 30) / 50.0f, 0.0f, 1.0f);
        return mix(rgb(255, 190, 80), rgb(190, 80, 5), t);
    };
    // Rod behind the shoulders.
    fillRoundRect(image, 0, 30, float(w), 42, 5, [](float, float y) {
        return mix(rgb(245, 247, 250), rgb(100, 105, 115), std::fabs(y - 34) / 8.0f);
    });
    fillRoundRect(image, 38, 44, 72, 100, 10, orange);                                    // body
    fillRoundRect(image, 30, 26, 80, 48, 11, orange);                                     // shoulders
    fillRoundRect(image, 40, 96, 52, 122, 5, orange);                                     // legs
    fillRoundRect(image, 58, 96, 70, 122, 5, orange);
    fillRoundRect(image, 35, 116, 54, 127, 4, [](float, float) { return rgb(40, 30, 25); });  // feet
    fillRoundRect(image, 56, 116, 75, 127, 4, [](float, float) { return rgb(40, 30, 25); });
    fillCircle(image, 55, 15, 13, rgb(250, 205, 160));                                    // head
    fillShape(image, 40, 0, 70, 16, [](float x, float y) { return std::hypot(x - 55, y - 13) < 13.5f && y < 10; },
              [](float, float) { return rgb(90, 50, 20); });                              // hair
    fillCircle(image, 50, 16, 1.6f, rgb(30, 20, 10));
    fillCircle(image, 60, 16, 1.6f, rgb(30, 20, 10));
    fillRoundRect(image, 45, 60, 65, 64, 2, [](float, float) { return rgb(255, 255, 255, 200); });  // shirt band
    return savePng(image, resourcesDir + "/textures/orangepuppetsmall.png");
}

bool generatePointer(const std::string& resourcesDir) {
    Image image(32, 32);
    // The arrow's tip is the hot spot: the game draws the picture 8 pixels up and left of
    // the mouse position.
    std::vector<Point> arrow{{8, 8}, {8, 26}, {12.5f, 21.5f}, {16, 29}, {19.5f, 27.5f}, {16, 20}, {22.5f, 20}};
    Mask shape(32, 32);
    addShape(shape, 0, 0, 32, 32, [&](float x, float y) { return insidePolygon(arrow, x, y); });
    Mask outline = dilate(shape, 1);
    // The tip pixel itself must be part of the picture, or the hot spot points at nothing.
    outline.ref(8, 8) = 1.0f;
    paintMask(image, blur(outline, 1), 1, 1, [](float, float) { return rgb(0, 0, 0, 120); });
    paintMask(image, outline, 0, 0, [](float, float) { return rgb(10, 10, 10); });
    paintMask(image, shape, 0, 0, [](float, float y) { return mix(rgb(255, 255, 255), rgb(200, 205, 215), (y - 8) / 20); });
    return savePng(image, resourcesDir + "/textures/mousepointer.png");
}

}  // namespace

PITCHBAR_ASSET_GENERATOR("ball32", generateBall);
PITCHBAR_ASSET_GENERATOR("orangepuppet", generatePuppet);
PITCHBAR_ASSET_GENERATOR("mousepointer", generatePointer);
