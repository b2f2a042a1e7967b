#include "gui/Mask.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kSub = 4;
}

void addShape(Mask& mask, int x0, int y0, int x1, int y1, const InsideTest& inside) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, mask.width);
    y1 = std::min(y1, mask.height);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSub; ++sy)
                for (int sx = 0; sx < kSub; ++sx)
                    if (inside(x + (sx + 0.5f) / kSub, y + (sy + 0.5f) / kSub)) ++hits;
            if (hits) mask.ref(x, y) = std::min(1.0f, mask.ref(x, y) + hits / float(kSub * kSub));
        }
}

void paintMask(Image& image, const Mask& mask, int ox, int oy, const ColourAt& colour) {
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) {
            float c = mask.at(x, y);
            if (c <= 0.0f || !image.contains(ox + x, oy + y)) continue;
            image.blend(ox + x, oy + y, colour(float(ox + x) + 0.5f, float(oy + y) + 0.5f), c);
        }
}

Mask dilate(const Mask& mask, int radius) {
    Mask out(mask.width, mask.height);
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) {
            float best = 0.0f;
            for (int dy = -radius; dy <= radius; ++dy)
                for (int dx = -radius; dx <= radius; ++dx) {
                    float d = std::sqrt(float(dx * dx + dy * dy));
                    if (d > radius + 0.5f) continue;
                    float falloff = std::clamp(radius + 0.5f - d, 0.0f, 1.0f);
                    best = std::max(best, mask.at(x + dx, y + dy) * falloff);
                }
            out.ref(x, y) = best;
        }
    return out;
}

Mask blur(const Mask& mask, int radius) {
    Mask tmp(mask.width, mask.height), out(mask.width, mask.height);
    float n = float(2 * radius + 1);
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) {
            float s = 0;
            for (int d = -radius; d <= radius; ++d) s += mask.at(x + d, y);
            tmp.ref(x, y) = s / n;
        }
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) {
            float s = 0;
            for (int d = -radius; d <= radius; ++d) s += tmp.at(x, y + d);
            out.ref(x, y) = s / n;
        }
    return out;
}

void fillShape(Image& image, int x0, int y0, int x1, int y1, const InsideTest& inside, const ColourAt& colour) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, image.width);
    y1 = std::min(y1, image.height);
    if (x1 <= x0 || y1 <= y0) return;
    Mask m(x1 - x0, y1 - y0);
    addShape(m, 0, 0, m.width, m.height,
             [&](float x, float y) { return inside(x + float(x0), y + float(y0)); });
    paintMask(image, m, x0, y0, colour);
}

void fillCircle(Image& image, float cx, float cy, float r, Rgba colour) {
    fillShape(image, int(std::floor(cx - r)) - 1, int(std::floor(cy - r)) - 1, int(std::ceil(cx + r)) + 1,
              int(std::ceil(cy + r)) + 1,
              [=](float x, float y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; },
              [=](float, float) { return colour; });
}

bool insideRoundRect(float x, float y, float x0, float y0, float x1, float y1, float radius) {
    if (x < x0 || x >= x1 || y < y0 || y >= y1) return false;
    float cx = std::clamp(x, x0 + radius, x1 - radius);
    float cy = std::clamp(y, y0 + radius, y1 - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

void fillRoundRect(Image& image, float x0, float y0, float x1, float y1, float radius, const ColourAt& colour) {
    fillShape(image, int(std::floor(x0)), int(std::floor(y0)), int(std::ceil(x1)), int(std::ceil(y1)),
              [=](float x, float y) { return insideRoundRect(x, y, x0, y0, x1, y1, radius); }, colour);
}

Rgba mix(Rgba a, Rgba b, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    auto l = [t](uint8_t p, uint8_t q) { return uint8_t(std::lround(p + (q - p) * t)); };
    return {l(a.r, b.r), l(a.g, b.g), l(a.b, b.b), l(a.a, b.a)};
}

Rgba rgb(int r, int g, int b, int a) { return {uint8_t(r), uint8_t(g), uint8_t(b), uint8_t(a)}; }

bool insidePolygon(const std::vector<Point>& polygon, float x, float y) {
    bool inside = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Point& a = polygon[i];
        const Point& b = polygon[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside;
}
