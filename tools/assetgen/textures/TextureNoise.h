#pragma once
// Smooth value noise that tiles: the lattice wraps after `period` cells, so a texture built
// from it repeats without a seam when the game wraps it over a long wall.
#include <cmath>
#include <cstdint>

class TilingNoise {
public:
    TilingNoise(uint32_t seed, int period) : seed_(seed), period_(period) {}

    // Noise in [0, 1) at (x, y) measured in lattice cells.
    float at(float x, float y) const {
        float fx = std::floor(x), fy = std::floor(y);
        int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
        float tx = smooth(x - fx), ty = smooth(y - fy);
        float a = cell(ix, iy), b = cell(ix + 1, iy);
        float c = cell(ix, iy + 1), d = cell(ix + 1, iy + 1);
        return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
    }

    // A few octaves, each twice as fine and half as strong; stays in [0, 1).
    float fractal(float x, float y, int octaves) const {
        float sum = 0.0f, weight = 0.5f, total = 0.0f;
        for (int i = 0; i < octaves; ++i) {
            TilingNoise octave(seed_ + 977u * static_cast<uint32_t>(i), period_ << i);
            float scale = static_cast<float>(1 << i);
            sum += octave.at(x * scale, y * scale) * weight;
            total += weight;
            weight *= 0.5f;
        }
        return sum / total;
    }

private:
    static float smooth(float t) { return t * t * (3.0f - 2.0f * t); }

    float cell(int x, int y) const {
        x = ((x % period_) + period_) % period_;
        y = ((y % period_) + period_) % period_;
        uint32_t h = seed_ ^ (static_cast<uint32_t>(x) * 73856093u) ^ (static_cast<uint32_t>(y) * 19349663u);
        h ^= h >> 13;
        h *= 0x5bd1e995u;
        h ^= h >> 15;
        return static_cast<float>(h & 0xFFFFu) / 65536.0f;
    }

    uint32_t seed_;
    int period_;
};
