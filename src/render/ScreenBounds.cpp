#include "render/ScreenBounds.h"

#include "render/effects/SceneObject.h"

#include <algorithm>

void boxCornerThrough(const SubMesh& sub, int corner, const Matrix4& m, double out[4]) {
    const double p[3] = {(corner & 1) ? sub.boundsMax[0] : sub.boundsMin[0],
                         (corner & 2) ? sub.boundsMax[1] : sub.boundsMin[1],
                         (corner & 4) ? sub.boundsMax[2] : sub.boundsMin[2]};
    for (int c = 0; c < 4; ++c) out[c] = p[0] * m.m[0][c] + p[1] * m.m[1][c] + p[2] * m.m[2][c] + m.m[3][c];
}

ClearRect boxOnScreen(const SubMesh& sub, const Matrix4& toClip, int width, int height) {
    const ClearRect whole{0, 0, width, height};
    if (!sub.bounded) return whole;
    float left = 1e30f, right = -1e30f, bottom = -1e30f, top = 1e30f;
    for (int corner = 0; corner < 8; ++corner) {
        double clip[4];
        boxCornerThrough(sub, corner, toClip, clip);
        if (clip[3] <= 1e-4) return whole;
        const float x = static_cast<float>((clip[0] / clip[3] * 0.5 + 0.5) * width);
        const float y = static_cast<float>((0.5 - clip[1] / clip[3] * 0.5) * height);
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    auto pixel = [](float v, int limit) { return static_cast<int>(std::clamp(v, 0.0f, static_cast<float>(limit))); };
    return ClearRect{pixel(left - 1.0f, width), pixel(top - 1.0f, height), pixel(right + 2.0f, width),
                     pixel(bottom + 2.0f, height)};
}

ClearRect objectOnScreen(const SceneObject& object, const Matrix4& viewProjection, int width, int height) {
    ClearRect around{0, 0, 0, 0};
    if (!object.mesh) return around;
    const Matrix4 toClip = object.world * viewProjection;
    for (const auto& entry : object.mesh->subMeshes)
        if (object.material(entry.first)) around = rectAround(around, boxOnScreen(*entry.second, toClip, width, height));
    return around;
}

ClearRect rectAround(const ClearRect& a, const ClearRect& b) {
    if (rectEmpty(a)) return b;
    if (rectEmpty(b)) return a;
    return ClearRect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                     std::max(a.bottom, b.bottom)};
}

void joinOverlappingRects(std::vector<ClearRect>& rects, int width, int height) {
    std::vector<ClearRect> joined;
    for (ClearRect r : rects) {
        r = ClearRect{std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, width), std::min(r.bottom, height)};
        if (rectEmpty(r)) continue;
        for (std::size_t i = 0; i < joined.size();) {
            if (!rectsOverlap(joined[i], r)) {
                ++i;
                continue;
            }
            r = rectAround(r, joined[i]);
            joined[i] = joined.back();
            joined.pop_back();
            i = 0;
        }
        joined.push_back(r);
    }
    rects.swap(joined);
}
