#include "render/StillOnlyResources.h"

#include "assets/ResourceManager.h"
#include "platform/gfx/Effect.h"
#include "render/Renderer.h"
#include "render/effects/SceneEffect.h"
#include "render/effects/SceneObject.h"

#include <algorithm>

namespace {

bool contains(const std::vector<TextureRecord*>& list, const TextureRecord* record) {
    return std::find(list.begin(), list.end(), record) != list.end();
}

}  // namespace

void StillOnlyResources::setAside(Renderer& renderer) {
    if (!renderer.resources || !renderer.sceneEffect) return;
    SceneEffect& scene = *renderer.sceneEffect;
    const bool shadows = scene.shadowsOn();
    std::vector<TextureRecord*> stillTextures, movingTextures;
    bool stillTechnique[kSceneTechniqueCount] = {};
    bool movingTechnique[kSceneTechniqueCount] = {};
    for (const SceneObject* object : renderer.objects) {
        for (const auto& entry : object->materials) {
            const Material& material = *entry.second;
            const int technique = chooseSceneTechnique(material, shadows);
            if (technique >= 0) (object->still ? stillTechnique : movingTechnique)[technique] = true;
            if (material.texture) (object->still ? stillTextures : movingTextures).push_back(material.texture);
        }
    }
    for (TextureRecord* record : stillTextures) {
        if (contains(movingTextures, record) || contains(textures_, record) || !record->texture) continue;
        renderer.resources->setAside(record);
        textures_.push_back(record);
    }
    if (scene.effect)
        for (int t = 0; t < kSceneTechniqueCount; ++t)
            if (stillTechnique[t] && !movingTechnique[t]) scene.effect->releaseTechnique(scene.techniques[t]);
    // The effect's texture parameter may still name a texture just let go.
    if (scene.effect && !textures_.empty()) scene.effect->setTexture(scene.parameters[SceneEffect::pMeshTexture], nullptr);
}

void StillOnlyResources::bringBack(Renderer& renderer) {
    if (textures_.empty()) return;
    for (TextureRecord* record : textures_)
        if (renderer.resources) renderer.resources->bringBack(record);
    textures_.clear();
}
