#pragma once
// The shadow map: the casting sub-meshes rendered from the light into a 1024x1024 R32F
// texture (1.0 = no occluder), which the shadowed techniques sample.
#include "core/math/Matrix4.h"
#include "render/CasterPlaces.h"

#include <memory>
#include <vector>

class DeviceTexture;
class DepthSurface;
class Effect;
class RenderSurface;
class Renderer;
class SceneObject;

class ShadowMap {
public:
    static constexpr int kSize = 1024;

    Renderer* renderer = nullptr;
    std::unique_ptr<DeviceTexture> texture;
    std::unique_ptr<RenderSurface> surface;
    std::unique_ptr<DepthSurface> depthSurface;
    Matrix4 lightView;
    Matrix4 lightProjection;
    Effect* casterEffect = nullptr;  // owned by the resource manager's cache
    int shadowTechnique = -1;
    int wvpParameter = -1;

    explicit ShadowMap(Renderer* r);
    ~ShadowMap();

    // Loads ShadowCaster.fx and builds the surfaces; false after the log line.
    bool initShadowMap();
    // Clears the map (bound as the render target) before the casters: rows 200 to 824,
    // where the table lies, or on a software renderer the whole map (see the .cpp).
    void clear();
    void drawCaster(const SceneObject& object);
    // This frame's casters into the map (bound as the render target): cleared and drawn
    // whole, or, with aroundMoved, only where the casters that moved since the map was
    // last drawn were and are now (cleared there and every caster reaching in drawn
    // again, in list order: the same texels as drawing it whole).
    void drawCasters(const std::vector<SceneObject*>& objects, const CasterPlaces& now, bool aroundMoved);
    // Someone else cleared the map: the next drawCasters draws it whole.
    void forget() { drawn_.forget(); }
    void releaseSurfaces();
    bool createSurfaces();

private:
    CasterPlaces drawn_;  // the casters as the map shows them
    std::vector<CasterBox> moved_;
};

// The match set-up's shadow step: on a shadow-capable device builds the map, sets the
// light's view (eye (0,51,0) looking at the origin, +z up) and projection and hands it to
// the renderer; on failure clears the renderer's shadowCapable so it is not tried again.
bool setUpShadowMap(Renderer& renderer);
