#include "platform/window/BallIconPixels.h"

#include <algorithm>
#include <cmath>

namespace {
// Patch centres on the unit sphere: the twelve corners of an icosahedron give the
// pentagon pattern of a classic ball.
struct Direction { float x, y, z; };

const std::vector<Direction>& patchCentres()
{
    static const std::vector<Direction> centres = [] {
        std::vector<Direction> d;
        const float t = (1.0f + std::sqrt(5.0f)) / 2.0f;
        const float raw[12][3] = {{-1, t, 0}, {1, t, 0}, {-1, -t, 0}, {1, -t, 0},
                                  {0, -1, t}, {0, 1, t}, {0, -1, -t}, {0, 1, -t},
                                  {t, 0, -1}, {t, 0, 1}, {-t, 0, -1}, {-t, 0, 1}};
        for (const auto& r : raw) {
            const float len = std::sqrt(r[0] * r[0] + r[1] * r[1] + r[2] * r[2]);
            d.push_back({r[0] / len, r[1] / len, r[2] / len});
        }
        return d;
    }();
    return centres;
}

std::uint8_t channel(float v) { return static_cast<std::uint8_t>(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f); }
} // namespace

std::vector<std::uint32_t> ballIconPixels(int size)
{
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size) * size, 0);
    const float radius = size * 0.5f - 0.5f;
    const float centre = size * 0.5f;
    // A slight tilt so the patches do not line up with the pixel grid.
    const float tilt = 0.45f, ct = std::cos(tilt), st = std::sin(tilt);
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            // Coverage from 4x4 samples for a smooth rim.
            float coverage = 0.0f, r = 0.0f, g = 0.0f, b = 0.0f;
            for (int sy = 0; sy < 4; ++sy) {
                for (int sx = 0; sx < 4; ++sx) {
                    const float x = (px + (sx + 0.5f) / 4.0f - centre) / radius;
                    const float y = (py + (sy + 0.5f) / 4.0f - centre) / radius;
                    const float d2 = x * x + y * y;
                    if (d2 > 1.0f)
                        continue;
                    const float z = std::sqrt(1.0f - d2);
                    // Light from the upper left, in front.
                    const float light = std::max(0.0f, -0.45f * x - 0.55f * y + 0.70f * z);
                    const float shade = 0.30f + 0.70f * light;
                    // Rotate the surface point into the ball's own frame.
                    const float bx = x * ct - z * st, bz = x * st + z * ct, by = y;
                    float best = -1.0f;
                    for (const Direction& c : patchCentres())
                        best = std::max(best, bx * c.x + by * c.y + bz * c.z);
                    const bool patch = best > 0.93f;
                    const float base = patch ? 0.12f : 0.96f;
                    const float highlight = std::pow(light, 24.0f) * 0.6f;
                    r += base * shade + highlight;
                    g += base * shade + highlight;
                    b += (patch ? 0.16f : 0.93f) * shade + highlight;
                    coverage += 1.0f;
                }
            }
            if (coverage == 0.0f)
                continue;
            const float a = coverage / 16.0f;
            pixels[static_cast<std::size_t>(py) * size + px] =
                (std::uint32_t(channel(a)) << 24) | (std::uint32_t(channel(r / coverage)) << 16) |
                (std::uint32_t(channel(g / coverage)) << 8) | std::uint32_t(channel(b / coverage));
        }
    }
    return pixels;
}
