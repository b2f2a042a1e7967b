#pragma once
// Where on the screen the moving parts' shadows can fall on the still table. The still
// table's pictures tell, tile by tile (16x16 pixels), which pixels change between lit and
// full shadow and where those pixels lie in the shadow map (texels and distance from the
// light). Each frame the casters' boxes are taken into the shadow map the same way: a tile
// can be darkened only where a caster's box covers its texels nearer to the light than its
// farthest point. The received shadows are then drawn only in those tiles, merged into few
// rectangles. Everything is padded, so a tile left out is one no shadow can reach.
#include "core/math/Matrix4.h"
#include "render/CasterPlaces.h"
#include "platform/gfx/GraphicsDevice.h"

#include <vector>

class DepthSurface;
class RenderSurface;

class ShadowReach {
public:
    static constexpr int kTile = 16;

    // Reads the two pictures and their depth back, strip by strip, and records each
    // tile's receiving pixels in the shadow map's terms.
    void measure(GraphicsDevice& device, RenderSurface* lit, RenderSurface* shadowed,
                 DepthSurface* depth, const Matrix4& viewProjection, const Matrix4& lightViewProj);
    // The rectangles (top-down) where casters in these boxes may darken the still table
    // (every receiving tile when a caster may throw its shadow anywhere).
    const std::vector<ClearRect>& reachedBy(const std::vector<CasterBox>& casters, bool anywhere);
    void clear() { tiles_.clear(); }

private:
    struct Tile {
        bool receives = false;
        float texelMin[2] = {0.0f, 0.0f};
        float texelMax[2] = {0.0f, 0.0f};
        float farthest = 0.0f;  // largest light distance (over the far plane) of its pixels
    };
    void mergeMarked();

    int columns_ = 0, rows_ = 0, height_ = 0;
    std::vector<Tile> tiles_;  // rows counted from the bottom of the screen
    std::vector<char> marked_;
    std::vector<ClearRect> rects_;
};
