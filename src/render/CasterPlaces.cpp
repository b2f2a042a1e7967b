#include "render/CasterPlaces.h"

#include "render/ScreenBounds.h"
#include "render/effects/SceneObject.h"

#include <algorithm>
#include <cstring>

void CasterPlaces::take(const std::vector<SceneObject*>& objects, const Matrix4& lightViewProj) {
    places_.clear();
    boxes_.clear();
    anywhere_ = false;
    for (const SceneObject* object : objects) {
        if (!object->mesh) continue;
        const int first = static_cast<int>(boxes_.size());
        if (!addCaster(*object, lightViewProj)) anywhere_ = true;
        const int count = static_cast<int>(boxes_.size()) - first;
        if (count > 0) places_.push_back(Place{object, object->mesh, object->world, first, count});
    }
    taken_ = true;
}

bool CasterPlaces::addCaster(const SceneObject& object, const Matrix4& lightViewProj) {
    const Matrix4 toLight = object.world * lightViewProj;
    for (const auto& entry : object.mesh->subMeshes) {
        const Material* material = object.material(entry.first);
        if (!material || !material->castsShadow) continue;
        CasterBox box;
        if (!lightBox(*entry.second, toLight, box)) return false;
        boxes_.push_back(box);
    }
    return true;
}

bool CasterPlaces::lightBox(const SubMesh& sub, const Matrix4& toLight, CasterBox& box) {
    if (!sub.bounded) return false;
    box = CasterBox{{1e30f, 1e30f}, {-1e30f, -1e30f}, 1e30f};
    for (int corner = 0; corner < 8; ++corner) {
        double light[4];
        boxCornerThrough(sub, corner, toLight, light);
        // A corner at or behind the light's eye: its shadow may fall anywhere.
        if (light[3] <= 1e-3) return false;
        const float u = static_cast<float>((light[0] / light[3] * 0.5 + 0.5) * kMapSize);
        const float v = static_cast<float>((light[1] / light[3] * 0.5 + 0.5) * kMapSize);
        box.texelMin[0] = std::min(box.texelMin[0], u);
        box.texelMax[0] = std::max(box.texelMax[0], u);
        box.texelMin[1] = std::min(box.texelMin[1], v);
        box.texelMax[1] = std::max(box.texelMax[1], v);
        box.nearest = std::min(box.nearest, static_cast<float>(light[3] / kLightFar));
    }
    return true;
}

bool CasterPlaces::movedBetween(const CasterPlaces& before, const CasterPlaces& now, std::vector<CasterBox>& moved) {
    moved.clear();
    if (!before.taken_ || !now.taken_ || before.anywhere_ || now.anywhere_ ||
        before.places_.size() != now.places_.size())
        return false;
    for (std::size_t i = 0; i < now.places_.size(); ++i) {
        const Place& a = before.places_[i];
        const Place& b = now.places_[i];
        if (a.object != b.object || a.mesh != b.mesh || a.boxCount != b.boxCount) return false;
        // The boxes too: the same place under another light is another shadow.
        if (std::memcmp(&a.world, &b.world, sizeof(Matrix4)) == 0 &&
            std::memcmp(&before.boxes_[a.firstBox], &now.boxes_[b.firstBox], sizeof(CasterBox) * a.boxCount) == 0)
            continue;
        moved.insert(moved.end(), before.boxes_.begin() + a.firstBox, before.boxes_.begin() + a.firstBox + a.boxCount);
        moved.insert(moved.end(), now.boxes_.begin() + b.firstBox, now.boxes_.begin() + b.firstBox + b.boxCount);
    }
    return true;
}
