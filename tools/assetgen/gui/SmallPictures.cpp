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
    // A figure of the orange team, front view, on a stub of its rod. The game draws this
    // picture in the bottom left corner over every menu, where the help pages have their
    // "PREVIOUS PAGE" button; the figure therefore stands in the lower part of the picture
    // and leaves its top rows clear.
    const int w = 110, h = 128;
    const float s = 0.74f, ox = 14.3f, oy = 33.0f;  // the figure's drawing scaled into place
    auto X = [=](float x) { return ox + x * s; };
    auto Y = [=](float y) { return oy + y * s; };
    Image image(w, h);
    auto orange = [=](float x, float) {
        float t = std::clamp((x - X(30)) / (50.0f * s), 0.0f, 1.0f);
        return mix(rgb(255, 190, 80), rgb(190, 80, 5), t);
    };
    // Rod behind the shoulders.
    const float rodTop = Y(30), rodBottom = Y(42), rodMiddle = Y(34);
    fillRoundRect(image, 0, rodTop, float(w), rodBottom, 4, [=](float, float y) {
        return mix(rgb(245, 247, 250), rgb(100, 105, 115), std::fabs(y - rodMiddle) / (8.0f * s));
    });
    fillRoundRect(image, X(38), Y(44), X(72), Y(100), 10 * s, orange);                  // body
    fillRoundRect(image, X(30), Y(26), X(80), Y(48), 11 * s, orange);                   // shoulders
    fillRoundRect(image, X(40), Y(96), X(52), Y(122), 5 * s, orange);                   // legs
    fillRoundRect(image, X(58), Y(96), X(70), Y(122), 5 * s, orange);
    fillRoundRect(image, X(35), Y(116), X(54), Y(127), 4 * s, [](float, float) { return rgb(40, 30, 25); });  // feet
    fillRoundRect(image, X(56), Y(116), X(75), Y(127), 4 * s, [](float, float) { return rgb(40, 30, 25); });
    fillCircle(image, X(55), Y(15), 13 * s, rgb(250, 205, 160));                        // head
    fillShape(image, int(X(40)), int(Y(0)), int(X(70)) + 1, int(Y(16)) + 1,
              [=](float x, float y) { return std::hypot(x - X(55), y - Y(13)) < 13.5f * s && y < Y(10); },
              [](float, float) { return rgb(90, 50, 20); });                            // hair
    fillCircle(image, X(50), Y(16), 1.6f * s, rgb(30, 20, 10));
    fillCircle(image, X(60), Y(16), 1.6f * s, rgb(30, 20, 10));
    fillRoundRect(image, X(45), Y(60), X(65), Y(64), 2 * s, [](float, float) { return rgb(255, 255, 255, 200); });  // shirt band
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
