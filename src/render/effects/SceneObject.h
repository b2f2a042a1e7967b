#pragma once
// A mesh placed in the scene with a material per sub-mesh. The mesh is shared (the
// resource manager owns it); the materials belong to the object.
#include "core/math/Matrix4.h"
#include "render/effects/Material.h"
#include "assets/Mesh.h"

#include <map>
#include <memory>
#include <string>

class SceneObject {
public:
    Mesh* mesh = nullptr;
    Matrix4 world;
    std::map<std::string, std::unique_ptr<Material>> materials;
    bool removeRequested = false;
    // Set by its owner on a part that never moves (the field, the cabinet, the rim): while
    // the camera stands still it is drawn once into the still-table layer.
    bool still = false;

    // One default material for every sub-mesh of the mesh (none for a null mesh).
    explicit SceneObject(Mesh* m) : mesh(m) {
        if (!mesh) return;
        for (const auto& entry : mesh->subMeshes)
            materials[entry.first] = std::make_unique<Material>();
    }
    Material* material(const std::string& name) const {
        auto it = materials.find(name);
        return it == materials.end() ? nullptr : it->second.get();
    }
};
