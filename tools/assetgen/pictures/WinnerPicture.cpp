// The champion's picture: a golden cup on the winner's podium under spotlights, with
// confetti in the air. The game writes its congratulation across the dark top band.
#include "Generator.h"
#include "pictures/Canvas.h"

#include <algorithm>

namespace {

Colour gold(float x, float y, float centreX, float halfWidth)
{
    // A bright streak left of the middle and darker edges make the metal look round.
    const float u = (x - centreX) / halfWidth;
    const float streak = std::exp(-(u + 0.35f) * (u + 0.35f) * 18.0f);
    const float body = 1.0f - 0.45f * u * u;
    Colour c = shade(rgb(235, 175, 35), 0.55f + 0.5f * body);
    (void)y;
    return mixColour(c, rgb(255, 250, 215), streak * 0.85f);
}

void stage(Canvas& c)
{
    c.fillAll([](float x, float y) {
        const float dx = (x - 512) / 600.0f, dy = (y - 420) / 480.0f;
        const float glow = std::exp(-(dx * dx + dy * dy) * 2.0f);
        return mixColour(rgb(8, 6, 30), rgb(70, 40, 120), glow);
    });
    // Spotlight beams from the top corners and the middle.
    for (float sx : {120.0f, 512.0f, 904.0f}) {
        c.polygon({{sx - 30, 0}, {sx + 30, 0}, {640 + (sx - 512) * 0.15f, 700}, {384 + (sx - 512) * 0.15f, 700}},
                  [](float, float y) { return rgb(255, 245, 210, 0.10f + 0.08f * y / 700.0f); });
    }
    // Floor and the crowd's silhouettes at the back.
    c.rect(0, 640, 1024, 128, [](float, float y) { return mixColour(rgb(40, 24, 60), rgb(10, 6, 18), (y - 640) / 128); });
    for (int i = 0; i < 34; ++i) {
        const float x = float(i) * 31.0f + hashNoise(i, 0, 5) * 14;
        const float h = 40 + hashNoise(i, 1, 5) * 36;
        const Colour body = rgb(18, 12, 34);
        c.ellipse(x, 640 - h, 12, 13, body);
        c.rect(x - 17, 650 - h + 8, 34, h + 10, body, 12);
        if (i % 4 == 1)  // a raised arm
            c.line({x + 12, 650 - h + 12}, {x + 24, 640 - h - 30}, 8, body);
    }
}

void podium(Canvas& c)
{
    c.rect(322, 560, 380, 150, [](float x, float) { return shade(rgb(220, 220, 230), 0.8f + 0.2f * std::sin((x - 322) / 380 * 3.1416f)); }, 6);
    c.rect(322, 560, 380, 14, rgb(250, 250, 255), 6);
    c.rect(130, 620, 200, 90, rgb(170, 170, 185), 6);
    c.rect(694, 640, 200, 70, rgb(150, 150, 165), 6);
    drawTitle(c, "1", 512, 680, 96, [](float x, float y) { return gold(x, y, 512, 40); }, 3, rgb(90, 60, 10));
    drawTitle(c, "2", 230, 690, 56, [](float, float) { return rgb(230, 230, 240); }, 2, rgb(60, 60, 80));
    drawTitle(c, "3", 794, 695, 48, [](float, float) { return rgb(210, 150, 90); }, 2, rgb(60, 40, 20));
}

void trophy(Canvas& c)
{
    const float cx = 512;
    // Handles first, behind the cup.
    for (int side = -1; side <= 1; side += 2) {
        c.ring(cx + side * 118, 255, 48, 16, side < 0 ? 1.3f : -1.9f, side < 0 ? 4.4f : 1.3f, rgb(200, 140, 25));
        c.ring(cx + side * 118, 255, 48, 8, side < 0 ? 1.3f : -1.9f, side < 0 ? 4.4f : 1.3f, rgb(245, 200, 70));
    }
    // The bowl: wide at the rim, narrowing down to the stem.
    std::vector<Point> bowl;
    for (int i = 0; i <= 24; ++i) {
        const float t = float(i) / 24;
        bowl.push_back({cx - 130 + 70 * t * t, 170 + 230 * t});
    }
    for (int i = 24; i >= 0; --i) {
        const float t = float(i) / 24;
        bowl.push_back({cx + 130 - 70 * t * t, 170 + 230 * t});
    }
    c.polygon(bowl, [cx](float x, float y) { return gold(x, y, cx, 130); });
    c.ellipse(cx, 170, 130, 20, rgb(150, 100, 15));
    c.ellipse(cx, 172, 118, 14, rgb(90, 55, 5));
    // Stem, knot and base.
    c.rect(cx - 16, 396, 32, 70, [cx](float x, float y) { return gold(x, y, cx, 16); });
    c.ellipse(cx, 430, 32, 14, [cx](float x, float y) { return gold(x, y, cx, 32); });
    c.polygon({{cx - 40, 466}, {cx + 40, 466}, {cx + 80, 510}, {cx - 80, 510}}, [cx](float x, float y) { return gold(x, y, cx, 80); });
    c.rect(cx - 95, 510, 190, 50, [](float x, float) { return shade(rgb(60, 30, 15), 0.8f + 0.3f * std::sin((x - 417) / 190 * 3.1416f)); }, 4);
    c.rect(cx - 60, 522, 120, 26, rgb(220, 180, 80), 3);
    drawTitle(c, "CHAMPION", cx, 542, 18, [](float, float) { return rgb(60, 30, 10); });
    // A ball emblem on the bowl.
    c.ellipse(cx, 270, 42, 42, rgb(250, 250, 245));
    c.polygon({{cx, 250}, {cx + 19, 264}, {cx + 12, 286}, {cx - 12, 286}, {cx - 19, 264}}, rgb(30, 30, 30));
    for (float a = 0; a < 6.28f; a += 1.2566f) {
        const float px = cx + std::sin(a) * 38, py = 270 - std::cos(a) * 38;
        c.ellipse(px, py, 9, 9, rgb(30, 30, 30));
    }
    c.ring(cx, 270, 42, 4, -3.1416f, 3.1416f, rgb(180, 130, 20));
    // Sparkles on the metal.
    for (Point p : {Point{440, 210}, Point{590, 330}, Point{470, 500}, Point{560, 190}}) {
        c.line({p.x - 12, p.y}, {p.x + 12, p.y}, 2.5f, rgb(255, 255, 240));
        c.line({p.x, p.y - 12}, {p.x, p.y + 12}, 2.5f, rgb(255, 255, 240));
    }
}

void confetti(Canvas& c)
{
    const Colour colours[] = {rgb(240, 60, 60), rgb(60, 140, 240), rgb(250, 210, 50), rgb(80, 200, 110),
                              rgb(240, 120, 220), rgb(255, 255, 255)};
    for (int i = 0; i < 220; ++i) {
        const float x = hashNoise(i, 7, 9) * 1024;
        const float y = 80 + hashNoise(i, 8, 9) * 560;
        if (std::abs(x - 512) < 150 && y > 150 && y < 560)
            continue;  // keep the cup clear
        const float angle = hashNoise(i, 9, 9) * 3.1416f;
        c.ellipse(x, y, 7, 2.6f, colours[i % 6], angle);
    }
}

bool generateWinnerPicture(const std::string& resourcesDir)
{
    Canvas c(1024, 768, 2);
    stage(c);
    confetti(c);
    podium(c);
    trophy(c);
    // Keep the band under the congratulation text dark and calm.
    c.rect(0, 0, 1024, 70, [](float, float y) { return rgb(0, 0, 0, 0.6f * (1 - y / 70)); });
    return savePng(c.downsample(), resourcesDir + "/textures/winner.png");
}

} // namespace

PITCHBAR_ASSET_GENERATOR("winner picture", generateWinnerPicture);
