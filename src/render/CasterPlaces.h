#pragma once
// Where the shadow casters stand in the shadow map: for every object with a casting
// sub-mesh, its world matrix and, per casting sub-mesh, the box its bounds cover in the
// map's texels with its nearest distance from the light. Two takes tell which parts of the
// map a frame changes: only the boxes of the casters that moved, where they were and where
// they are. Most of a match's casters stand still from one frame to the next (a rod at
// rest keeps its figures), so the map and the table's received shadows are drawn again
// only around the ones that moved.
#include "core/math/Matrix4.h"

#include <vector>

class Mesh;
class SceneObject;
struct SubMesh;

struct CasterBox {
    float texelMin[2], texelMax[2];  // shadow-map texels, rows counted from the bottom
    float nearest;                   // distance from the light over the far plane
};

class CasterPlaces {
public:
    static constexpr float kMapSize = 1024.0f;  // the shadow map's texels per side
    static constexpr float kLightFar = 300.0f;  // light distances are stored over the far plane

    // This frame's casters among the objects (in list order).
    void take(const std::vector<SceneObject*>& objects, const Matrix4& lightViewProj);
    // Nothing taken yet, or taken before the map was cleared: every box counts as moved.
    void forget() { taken_ = false; }
    bool taken() const { return taken_; }

    const std::vector<CasterBox>& boxes() const { return boxes_; }
    // Some caster reaches behind the light's eye or has no bounds: its shadow may fall
    // anywhere.
    bool anywhere() const { return anywhere_; }

    // The boxes of the casters that moved between before and now, where they were and
    // where they are; false when the two cannot be matched caster by caster (another set
    // of casters, a caster anywhere, or before not taken): then everything changed.
    // A sub-mesh's box in the map through toLight (model to the light's clip space); false
    // when it has no bounds or reaches behind the light's eye.
    static bool lightBox(const SubMesh& sub, const Matrix4& toLight, CasterBox& box);

    static bool movedBetween(const CasterPlaces& before, const CasterPlaces& now, std::vector<CasterBox>& moved);

    struct Place {
        const SceneObject* object;
        const Mesh* mesh;
        Matrix4 world;
        int firstBox, boxCount;  // its boxes in boxes()
    };
    const std::vector<Place>& places() const { return places_; }

private:
    bool addCaster(const SceneObject& object, const Matrix4& lightViewProj);

    bool taken_ = false;
    bool anywhere_ = false;
    std::vector<Place> places_;
    std::vector<CasterBox> boxes_;
};
