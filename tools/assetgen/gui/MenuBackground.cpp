#include "gui/MenuBackground.h"

#include "gui/Mask.h"

#include <algorithm>
#include <cmath>

namespace {

// Cheap deterministic value noise for wood grain and floor texture.
float hash(int x, int y) {
    unsigned h = static_cast<unsigned>(x) * 374761393u + static_cast<unsigned>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return float((h ^ (h >> 16)) & 0xFFFF) / 65535.0f;
}

float noise(float x, float y) {
    int ix = int(std::floor(x)), iy = int(std::floor(y));
    float fx = x - ix, fy = y - iy;
    float a = hash(ix, iy), b = hash(ix + 1, iy), c = hash(ix, iy + 1), d = hash(ix + 1, iy + 1);
    float u = fx * fx * (3 - 2 * fx), v = fy * fy * (3 - 2 * fy);
    return a + (b - a) * u + (c - a) * v + (a - b - c + d) * u * v;
}

Rgba wood(float x, float y) {
    float grain = std::sin(x * 0.05f + noise(x * 0.02f, y * 0.3f) * 6.0f) * 0.5f + 0.5f;
    return mix(rgb(120, 70, 34), rgb(165, 105, 55), grain * 0.8f + noise(x * 0.3f, y * 0.05f) * 0.2f);
}

// One figure seen from above: shoulders across the rod, head on top, feet showing below.
void paintFigure(Image& image, float cx, float cy, Rgba shirt, Rgba dark) {
    fillRoundRect(image, cx - 7 + 3, cy - 13 + 4, cx + 7 + 3, cy + 13 + 4, 6, [](float, float) { return rgb(0, 0, 0, 90); });
    fillRoundRect(image, cx - 3, cy + 8, cx + 9, cy + 17, 3, [=](float, float) { return dark; });
    fillRoundRect(image, cx - 7, cy - 13, cx + 7, cy + 13, 6,
                  [=](float x, float) { return mix(mix(shirt, rgb(255, 255, 255), 0.25f), dark, (x - cx + 7) / 14); });
    fillCircle(image, cx, cy, 5.5f, rgb(245, 205, 165));
    fillCircle(image, cx - 1.2f, cy - 1.5f, 3.5f, rgb(70, 40, 20));  // hair
}

}  // namespace

void paintMenuBackground(Image& image, int ox, int oy, int w, int h) {
    // Floor: dark, lit from the middle.
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float dx = (x - w / 2.0f) / (w / 2.0f), dy = (y - h / 2.0f) / (h / 2.0f);
            float light = std::clamp(1.1f - 0.75f * std::sqrt(dx * dx + dy * dy), 0.15f, 1.0f);
            float n = noise(x * 0.08f, y * 0.08f) * 0.15f + 0.85f;
            Rgba c = rgb(int(38 * light * n), int(44 * light * n), int(58 * light * n));
            image.set(ox + x, oy + y, c);
        }
    const float tx0 = float(ox + 70), ty0 = float(oy + 60), tx1 = float(ox + w - 70), ty1 = float(oy + h - 60);
    // Table shadow and wooden cabinet.
    fillRoundRect(image, tx0 + 10, ty0 + 14, tx1 + 14, ty1 + 18, 24, [](float, float) { return rgb(0, 0, 0, 120); });
    fillRoundRect(image, tx0, ty0, tx1, ty1, 22, wood);
    // Field with mown stripes and white markings.
    const float fx0 = tx0 + 46, fy0 = ty0 + 40, fx1 = tx1 - 46, fy1 = ty1 - 40;
    const float fcx = (fx0 + fx1) / 2, fcy = (fy0 + fy1) / 2;
    fillRoundRect(image, fx0 - 6, fy0 - 6, fx1 + 6, fy1 + 6, 6, [](float, float) { return rgb(40, 25, 12); });
    fillRoundRect(image, fx0, fy0, fx1, fy1, 3, [=](float x, float y) {
        bool stripe = int((x - fx0) / ((fx1 - fx0) / 12)) % 2 == 0;
        Rgba g = stripe ? rgb(46, 140, 52) : rgb(58, 158, 62);
        return mix(g, rgb(24, 80, 30), noise(x * 0.05f, y * 0.05f) * 0.25f);
    });
    Rgba line = rgb(235, 245, 230, 230);
    auto band = [&](float x0, float y0, float x1, float y1) {
        fillShape(image, int(x0) - 1, int(y0) - 1, int(x1) + 2, int(y1) + 2,
                  [=](float x, float y) { return x >= x0 && x < x1 && y >= y0 && y < y1; },
                  [=](float, float) { return line; });
    };
    const float t = 3;
    band(fx0 + 8, fy0 + 8, fx1 - 8, fy0 + 8 + t);
    band(fx0 + 8, fy1 - 8 - t, fx1 - 8, fy1 - 8);
    band(fx0 + 8, fy0 + 8, fx0 + 8 + t, fy1 - 8);
    band(fx1 - 8 - t, fy0 + 8, fx1 - 8, fy1 - 8);
    band(fcx - t / 2, fy0 + 8, fcx + t / 2, fy1 - 8);
    fillShape(image, int(fcx - 80), int(fcy - 80), int(fcx + 80), int(fcy + 80), [=](float x, float y) {
        float d = std::sqrt((x - fcx) * (x - fcx) + (y - fcy) * (y - fcy));
        return (d >= 62 && d < 62 + t) || d < 5;
    }, [=](float, float) { return line; });
    for (int side = 0; side < 2; ++side) {
        float gx = side == 0 ? fx0 + 8 : fx1 - 8;
        float dir = side == 0 ? 1.0f : -1.0f;
        float bx0 = std::min(gx, gx + dir * 90), bx1 = std::max(gx, gx + dir * 90);
        band(bx0, fcy - 110, bx1, fcy - 110 + t);
        band(bx0, fcy + 110 - t, bx1, fcy + 110);
        float ex = gx + dir * 90;
        band(std::min(ex, ex + dir * t), fcy - 110, std::max(ex, ex + dir * t), fcy + 110);
        // The goal mouth: a dark slot in the end wall.
        float mx0 = side == 0 ? fx0 - 30 : fx1, mx1 = side == 0 ? fx0 : fx1 + 30;
        fillRoundRect(image, mx0, fcy - 58, mx1, fcy + 58, 4, [](float, float) { return rgb(15, 12, 10); });
    }
    // Rods from one side of the cabinet to the other, handles outside.
    const int rodCount = 8;
    const int figures[rodCount] = {1, 2, 3, 5, 5, 3, 2, 1};
    const bool red[rodCount] = {true, true, false, true, false, true, false, false};
    float span = fx1 - fx0;
    for (int i = 0; i < rodCount; ++i) {
        float rx = fx0 + span * (i + 0.5f) / rodCount;
        fillShape(image, int(rx) - 4, oy + 5, int(rx) + 9, oy + h - 5,
                  [=](float x, float) { return x >= rx + 1 && x < rx + 6; }, [](float, float) { return rgb(0, 0, 0, 80); });
        fillShape(image, int(rx) - 4, oy + 10, int(rx) + 5, oy + h - 10, [=](float x, float) { return std::fabs(x - rx) < 3.0f; },
                  [=](float x, float) { return mix(rgb(235, 238, 242), rgb(110, 115, 125), std::fabs(x - rx + 1) / 3.0f); });
        bool handleTop = red[i];
        float hy0 = handleTop ? float(oy + 4) : ty1 + 4, hy1 = handleTop ? ty0 - 4 : float(oy + h - 4);
        fillRoundRect(image, rx - 7, hy0, rx + 7, hy1, 6,
                      [=](float x, float) { return mix(rgb(70, 70, 70), rgb(10, 10, 10), std::fabs(x - rx) / 7.0f); });
        Rgba shirt = red[i] ? rgb(210, 40, 35) : rgb(40, 80, 210);
        Rgba dark = red[i] ? rgb(110, 15, 15) : rgb(15, 30, 110);
        float gap = (fy1 - fy0) / float(figures[i] + 1);
        if (figures[i] == 5) gap = (fy1 - fy0 - 40) / 6.0f;
        for (int f = 0; f < figures[i]; ++f) {
            float fy = figures[i] == 5 ? fy0 + 20 + gap * (f + 1) : fy0 + gap * (f + 1);
            paintFigure(image, rx, fy, shirt, dark);
        }
    }
    // The ball, just off the centre spot.
    float bx = fcx + 40, by = fcy + 30;
    fillCircle(image, bx + 3, by + 4, 8, rgb(0, 0, 0, 110));
    fillCircle(image, bx, by, 8, rgb(250, 250, 245));
    fillCircle(image, bx - 2, by - 2, 3, rgb(40, 40, 40));
    fillCircle(image, bx + 4, by + 3, 2, rgb(40, 40, 40));
    // Spotlight falloff and a gentle dimming so the menu widgets stay readable on top.
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float dx = (x - w / 2.0f) / (w * 0.62f), dy = (y - h / 2.0f) / (h * 0.62f);
            float k = std::clamp(0.82f - 0.35f * (dx * dx + dy * dy), 0.3f, 1.0f);
            Rgba c = image.get(ox + x, oy + y);
            image.set(ox + x, oy + y, rgb(int(c.r * k), int(c.g * k), int(c.b * k), 255));
        }
}
