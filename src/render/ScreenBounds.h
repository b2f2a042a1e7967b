#pragma once
// The part of the screen a model covers: the boxes around its sub-meshes taken through a
// view and projection, padded a pixel. Conservative: the whole screen when a box reaches
// behind the eye or a sub-mesh has no bounds.
#include "core/math/Matrix4.h"
#include "platform/gfx/GraphicsDevice.h"

#include <vector>

class SceneObject;
struct SubMesh;

// Corner 0-7 of a sub-mesh's box through m (row vectors), as x, y, z, w.
void boxCornerThrough(const SubMesh& sub, int corner, const Matrix4& m, double out[4]);
// A sub-mesh's box through toClip (model to clip space, row vectors) on a width x height
// target, top-down.
ClearRect boxOnScreen(const SubMesh& sub, const Matrix4& toClip, int width, int height);
// Every sub-mesh of the object that has a material, through the view and projection;
// empty (right <= left) for an object without a mesh.
ClearRect objectOnScreen(const SceneObject& object, const Matrix4& viewProjection, int width, int height);

inline bool rectsOverlap(const ClearRect& a, const ClearRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
inline bool rectEmpty(const ClearRect& r) { return r.right <= r.left || r.bottom <= r.top; }
// The smallest rectangle holding both (an empty one holds nothing).
ClearRect rectAround(const ClearRect& a, const ClearRect& b);
// Joins overlapping rectangles into the rectangles around them until none overlap,
// within a width x height target; empty ones are dropped.
void joinOverlappingRects(std::vector<ClearRect>& rects, int width, int height);
