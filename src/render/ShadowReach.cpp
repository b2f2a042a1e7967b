#include "render/ShadowReach.h"

#include "platform/gfx/RenderTarget.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr float kMapSize = CasterPlaces::kMapSize;
constexpr float kLightFar = CasterPlaces::kLightFar;
// Padding: the full path's filter reads up to two and a half texels around the point, the
// depth read back has 16 bits; three texels and three table units cover both.
constexpr float kTexelPad = 3.0f;
constexpr float kDistancePad = 3.0f / kLightFar;

// The inverse of a 4x4 matrix in double precision; false when it has none.
bool invert(const Matrix4& a, double out[4][4]) {
    double m[4][8];
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 8; ++c) m[r][c] = c < 4 ? a.m[r][c] : (c - 4 == r ? 1.0 : 0.0);
    for (int col = 0; col < 4; ++col) {
        int pivot = col;
        for (int r = col + 1; r < 4; ++r)
            if (std::fabs(m[r][col]) > std::fabs(m[pivot][col])) pivot = r;
        if (std::fabs(m[pivot][col]) < 1e-12) return false;
        if (pivot != col)
            for (int c = 0; c < 8; ++c) std::swap(m[col][c], m[pivot][c]);
        const double d = m[col][col];
        for (int c = 0; c < 8; ++c) m[col][c] /= d;
        for (int r = 0; r < 4; ++r) {
            if (r == col) continue;
            const double f = m[r][col];
            for (int c = 0; c < 8; ++c) m[r][c] -= f * m[col][c];
        }
    }
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) out[r][c] = m[r][c + 4];
    return true;
}

// p * M for a row vector of four.
template <typename M>
void transform(const double p[4], const M& m, double out[4]) {
    for (int c = 0; c < 4; ++c) out[c] = p[0] * m[0][c] + p[1] * m[1][c] + p[2] * m[2][c] + p[3] * m[3][c];
}

}  // namespace

void ShadowReach::measure(GraphicsDevice& device, RenderSurface* lit, RenderSurface* shadowed,
                          DepthSurface* depth, const Matrix4& viewProjection,
                          const Matrix4& lightViewProj) {
    const int width = lit->width();
    height_ = lit->height();
    columns_ = (width + kTile - 1) / kTile;
    rows_ = (height_ + kTile - 1) / kTile;
    tiles_.assign(static_cast<std::size_t>(columns_) * rows_, Tile{});
    double toWorld[4][4];
    if (!invert(viewProjection, toWorld)) {
        // No way back to the table: every tile may receive.
        for (Tile& t : tiles_) {
            t.receives = true;
            t.texelMin[0] = t.texelMin[1] = -1e9f;
            t.texelMax[0] = t.texelMax[1] = 1e9f;
            t.farthest = 1e9f;
        }
        return;
    }
    std::vector<std::uint8_t> litRows, shadowedRows;
    std::vector<float> depthRows;
    for (int row = 0; row < rows_; ++row) {
        const int first = row * kTile;
        const int count = std::min(kTile, height_ - first);
        device.readSurfaceRows(lit, first, count, litRows);
        device.readSurfaceRows(shadowed, first, count, shadowedRows);
        device.readDepthRows(lit, depth, first, count, depthRows);
        for (int y = 0; y < count; ++y)
            for (int x = 0; x < width; ++x) {
                const std::size_t i = static_cast<std::size_t>(y) * width + x;
                // Only pixels whose two versions differ can change with the shadows.
                if (litRows[i * 4] == shadowedRows[i * 4] && litRows[i * 4 + 1] == shadowedRows[i * 4 + 1] &&
                    litRows[i * 4 + 2] == shadowedRows[i * 4 + 2])
                    continue;
                const double clip[4] = {(x + 0.5) / width * 2.0 - 1.0,
                                        (first + y + 0.5) / height_ * 2.0 - 1.0, depthRows[i], 1.0};
                double world[4], light[4];
                transform(clip, toWorld, world);
                for (double& v : world) v /= world[3];
                transform(world, lightViewProj.m, light);
                if (light[3] <= 0.0) continue;
                const float u = static_cast<float>((light[0] / light[3] * 0.5 + 0.5) * kMapSize);
                const float v = static_cast<float>((light[1] / light[3] * 0.5 + 0.5) * kMapSize);
                const float distance = static_cast<float>(light[3] / kLightFar);
                Tile& t = tiles_[static_cast<std::size_t>(row) * columns_ + x / kTile];
                if (!t.receives) {
                    t.receives = true;
                    t.texelMin[0] = t.texelMax[0] = u;
                    t.texelMin[1] = t.texelMax[1] = v;
                    t.farthest = distance;
                } else {
                    t.texelMin[0] = std::min(t.texelMin[0], u);
                    t.texelMax[0] = std::max(t.texelMax[0], u);
                    t.texelMin[1] = std::min(t.texelMin[1], v);
                    t.texelMax[1] = std::max(t.texelMax[1], v);
                    t.farthest = std::max(t.farthest, distance);
                }
            }
    }
}

const std::vector<ClearRect>& ShadowReach::reachedBy(const std::vector<CasterBox>& casters, bool anywhere) {
    marked_.assign(tiles_.size(), 0);
    for (std::size_t i = 0; i < tiles_.size(); ++i) {
        const Tile& t = tiles_[i];
        if (!t.receives) continue;
        if (anywhere) {
            marked_[i] = 1;
            continue;
        }
        for (const CasterBox& c : casters) {
            if (c.nearest < t.farthest + kDistancePad && c.texelMin[0] <= t.texelMax[0] + kTexelPad &&
                c.texelMax[0] >= t.texelMin[0] - kTexelPad && c.texelMin[1] <= t.texelMax[1] + kTexelPad &&
                c.texelMax[1] >= t.texelMin[1] - kTexelPad) {
                marked_[i] = 1;
                break;
            }
        }
    }
    mergeMarked();
    return rects_;
}

void ShadowReach::mergeMarked() {
    // Runs of marked tiles per row; a run continues the rectangle above it when it spans
    // the same columns, so tall thin stripes (a rod's shadow) stay one rectangle.
    struct Open {
        int first, last, bottomRow, topRow;
    };
    rects_.clear();
    std::vector<Open> open, next;
    auto close = [&](const Open& o) {
        const int left = o.first * kTile, right = (o.last + 1) * kTile;
        const int glBottom = o.bottomRow * kTile, glTop = std::min(height_, (o.topRow + 1) * kTile);
        rects_.push_back(ClearRect{left, height_ - glTop, right, height_ - glBottom});
    };
    for (int row = 0; row <= rows_; ++row) {
        next.clear();
        for (int col = 0; row < rows_ && col < columns_;) {
            if (!marked_[static_cast<std::size_t>(row) * columns_ + col]) {
                ++col;
                continue;
            }
            int last = col;
            while (last + 1 < columns_ && marked_[static_cast<std::size_t>(row) * columns_ + last + 1]) ++last;
            next.push_back(Open{col, last, row, row});
            col = last + 1;
        }
        for (const Open& o : open) {
            auto same = std::find_if(next.begin(), next.end(),
                                     [&](const Open& n) { return n.first == o.first && n.last == o.last; });
            if (same != next.end())
                same->bottomRow = o.bottomRow;
            else
                close(o);
        }
        open.swap(next);
    }
}
