#include "render/effects/SceneEffect.h"

#include "assets/ResourceManager.h"
#include "platform/gfx/Effect.h"
#include "platform/gfx/GraphicsDevice.h"
#include "render/Renderer.h"
#include "render/effects/RequiredTechniques.h"
#include "render/effects/SceneObject.h"
#include "render/effects/ShadowMap.h"

const char* const kSceneTechniqueNames[kSceneTechniqueCount] = {
    "ModTexture",         "LightingOnly",      "PPLightingOnly",     "PPModTexture",
    "PPHSLightingOnly",   "PPHSModTexture",    "PPSpecLightingOnly", "PPSpecModTexture",
    "PPSpecHSLightingOnly", "PPSpecHSModTexture"};

namespace {
const char* const kParameterNames[SceneEffect::kParameterCount] = {
    "world",         "view",         "projection",     "wvp",       "lightSourcePosition",
    "ambienceFactor", "meshTexture", "meshColor",      "cameraPosition", "specPower",
    "specIntensity", "lightViewProj", "shadowMap"};
}

int chooseSceneTechnique(const Material& material, bool shadowsOn) {
    const bool textured = material.texture != nullptr;
    const bool shadowed = material.receivesShadow && shadowsOn;
    switch (material.lightingModel) {
    case 0: return textured ? kModTexture : kLightingOnly;
    case 1:
        if (shadowed) return textured ? kPPHSModTexture : kPPHSLightingOnly;
        return textured ? kPPModTexture : kPPLightingOnly;
    case 2:
        if (shadowed) return textured ? kPPSpecHSModTexture : kPPSpecHSLightingOnly;
        return textured ? kPPSpecModTexture : kPPSpecLightingOnly;
    default: return -1;
    }
}

SceneEffect::SceneEffect(Renderer* r) : renderer(r) {
    for (int& t : techniques) t = -1;
    for (int& p : parameters) p = -1;
}

bool SceneEffect::loadEffect() {
    const bool capable = renderer->shadowCapable;
    auto used = [capable](int i) {
        const bool shadowed = i == kPPHSLightingOnly || i == kPPHSModTexture ||
                              i == kPPSpecHSLightingOnly || i == kPPSpecHSModTexture;
        return !shadowed || capable;
    };
    std::vector<std::string> needed;
    for (int i = 0; i < kSceneTechniqueCount; ++i)
        if (used(i)) needed.push_back(kSceneTechniqueNames[i]);
    effect = effectWithTechniques(renderer->resources,
                                  capable ? "TexturesAndColors.fx" : "TexturesAndColors2.fx", needed);
    if (!effect) return false;
    for (int i = 0; i < kSceneTechniqueCount; ++i)
        techniques[i] = used(i) ? effect->techniqueByName(kSceneTechniqueNames[i]) : -1;
    for (int i = 0; i < kParameterCount; ++i) parameters[i] = effect->parameterByName(kParameterNames[i]);
    return true;
}

bool SceneEffect::shadowsOn() const {
    return renderer->shadowsEnabled == 1 && renderer->shadowMap != nullptr;
}

void SceneEffect::setFrameParameters() {
    if (!effect) return;
    effect->setMatrix(parameters[pView], view);
    effect->setMatrix(parameters[pProjection], projection);
    effect->setVector(parameters[pLightSourcePosition], lightSourcePosition);
    effect->setVector(parameters[pCameraPosition], cameraPosition);
    if (shadowsOn()) {
        ShadowMap& map = *renderer->shadowMap;
        effect->setTexture(parameters[pShadowMap], map.texture.get());
        effect->setMatrix(parameters[pLightViewProj], map.lightView * map.lightProjection);
    }
}

void SceneEffect::drawObject(const SceneObject& object) {
    if (!effect || !object.mesh) return;
    effect->setMatrix(parameters[pWorld], object.world);
    effect->setMatrix(parameters[pWvp], object.world * view * projection);
    const bool shadows = shadowsOn();
    for (const auto& entry : object.mesh->subMeshes) {
        const Material* material = object.material(entry.first);
        if (!material) continue;
        const int technique = chooseSceneTechnique(*material, shadows);
        if (technique >= 0) effect->setTechnique(techniques[technique]);
        effect->setFloat(parameters[pAmbienceFactor], material->ambienceFactor);
        if (material->lightingModel == 2) {
            effect->setFloat(parameters[pSpecPower], material->specPower);
            effect->setFloat(parameters[pSpecIntensity], material->specIntensity);
        }
        if (material->texture)
            effect->setTexture(parameters[pMeshTexture], material->texture->texture);
        else
            effect->setVector(parameters[pMeshColor], material->meshColor);
        const SubMesh& sub = *entry.second;
        const int passes = effect->begin();
        for (int pass = 0; pass < passes; ++pass) {
            effect->beginPass(pass);
            if (renderer->device)
                renderer->device->drawIndexedTriangles(sub.vertexDeclaration, sub.vertexBuffer.get(),
                                                       sub.stride, sub.indexBuffer.get(),
                                                       sub.vertexCount, sub.triangleCount);
            effect->endPass();
        }
        effect->end();
    }
}
