#pragma once
// Draws scene objects lit by the one point light, choosing per sub-mesh the technique that
// its material asks for (per-vertex or per-pixel, specular or not, textured or plain,
// shadowed or not).
#include "core/math/Matrix4.h"

#include <string>

class Effect;
class Renderer;
class SceneObject;
struct Material;

// Technique handles, in this order.
enum SceneTechnique {
    kModTexture,
    kLightingOnly,
    kPPLightingOnly,
    kPPModTexture,
    kPPHSLightingOnly,
    kPPHSModTexture,
    kPPSpecLightingOnly,
    kPPSpecModTexture,
    kPPSpecHSLightingOnly,
    kPPSpecHSModTexture,
    kSceneTechniqueCount
};
extern const char* const kSceneTechniqueNames[kSceneTechniqueCount];

// The technique for a material, or -1 (lighting model outside 0..2: keep the current one).
int chooseSceneTechnique(const Material& material, bool shadowsOn);

class SceneEffect {
public:
    Matrix4 view;
    Matrix4 projection;
    float cameraPosition[4] = {0, 0, 0, 1};
    float lightSourcePosition[4] = {0, 51, 0, 1};
    Renderer* renderer = nullptr;
    Effect* effect = nullptr;  // owned by the resource manager's cache
    int techniques[kSceneTechniqueCount];
    enum Parameter {
        pWorld, pView, pProjection, pWvp, pLightSourcePosition, pAmbienceFactor,
        pMeshTexture, pMeshColor, pCameraPosition, pSpecPower, pSpecIntensity,
        pLightViewProj, pShadowMap, kParameterCount
    };
    int parameters[kParameterCount];

    explicit SceneEffect(Renderer* r);

    // TexturesAndColors.fx on shadow-capable devices, else TexturesAndColors2.fx.
    bool loadEffect();
    // Shadows are on while the profile wants them and a shadow map exists.
    bool shadowsOn() const;
    void setFrameParameters();
    void drawObject(const SceneObject& object);
};
