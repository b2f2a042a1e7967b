#include "render/effects/ShadowMap.h"

#include "assets/ResourceManager.h"
#include "core/ErrorLog.h"
#include "platform/gfx/DeviceTexture.h"
#include "platform/gfx/Effect.h"
#include "platform/gfx/GraphicsDevice.h"
#include "platform/gfx/RenderTarget.h"
#include "render/Renderer.h"
#include "render/ScreenBounds.h"
#include "render/effects/RequiredTechniques.h"
#include "render/effects/SceneObject.h"

#include <algorithm>
#include <cmath>

ShadowMap::ShadowMap(Renderer* r) : renderer(r) {}

ShadowMap::~ShadowMap() { releaseSurfaces(); }

bool ShadowMap::initShadowMap() {
    casterEffect = effectWithTechniques(renderer->resources, "ShadowCaster.fx", {"Shadow"});
    if (!casterEffect) return false;
    shadowTechnique = casterEffect->techniqueByName("Shadow");
    wvpParameter = casterEffect->parameterByName("wvp");
    return createSurfaces();
}

bool ShadowMap::createSurfaces() {
    GraphicsDevice* device = renderer->device;
    texture = device ? device->createFloatRenderTexture(kSize, kSize) : nullptr;
    if (!texture) {
        logError("Could not allocate the texture for the shadow map.");
        return false;
    }
    surface = device->createRenderSurface(texture.get());
    depthSurface = device->createDepthSurface(kSize, kSize);
    if (!depthSurface) {
        logError("Unable to create shadow depth surface");
        return false;
    }
    // The frame clears only the band the table covers; the rest must read "no occluder" too.
    RenderSurface* previous = device->renderTarget();
    DepthSurface* previousDepth = device->depthSurface();
    device->setRenderTarget(surface.get(), depthSurface.get());
    device->clear(nullptr, 0xFFFFFFFFu, 1.0f);
    device->setRenderTarget(previous, previousDepth);
    forget();
    return true;
}

void ShadowMap::releaseSurfaces() {
    forget();
    surface.reset();
    depthSurface.reset();
    texture.reset();
}

void ShadowMap::clear() {
    GraphicsDevice* device = renderer ? renderer->device : nullptr;
    if (!device) return;
    // Every receiver (the field, its walls, the rim, the ball) lies inside the table, which
    // the light sees within these rows, so nothing ever samples the map outside them. A
    // software renderer fills a whole target with a plain memory fill but has to draw a
    // rectangle as a quad, a millisecond a frame there; clearing the whole map gives the
    // same picture.
    const ClearRect rect{0, 200, 1024, 824};
    const bool wholeMap = device->shadingPath() == ShadingPath::Light;
    device->clear(wholeMap ? nullptr : &rect, 0xFFFFFFFFu, 1.0f);
}

void ShadowMap::drawCaster(const SceneObject& object) {
    if (!casterEffect || !object.mesh) return;
    const Matrix4 wvp = object.world * lightView * lightProjection;
    for (const auto& entry : object.mesh->subMeshes) {
        const Material* material = object.material(entry.first);
        if (!material || !material->castsShadow) continue;
        casterEffect->setTechnique(shadowTechnique);
        casterEffect->setMatrix(wvpParameter, wvp);
        const SubMesh& sub = *entry.second;
        const int passes = casterEffect->begin();
        for (int pass = 0; pass < passes; ++pass) {
            casterEffect->beginPass(pass);
            renderer->device->drawIndexedTriangles(sub.vertexDeclaration, sub.vertexBuffer.get(),
                                                   sub.stride, sub.indexBuffer.get(),
                                                   sub.vertexCount, sub.triangleCount);
            casterEffect->endPass();
        }
        casterEffect->end();
    }
}

namespace {

// A box's texels as a rectangle of the map (top-down, as clears and scissors take them),
// a texel wider on every side, within the map.
ClearRect texelsOf(const CasterBox& box) {
    const float size = static_cast<float>(ShadowMap::kSize);
    auto at = [&](float v) { return static_cast<int>(std::clamp(v, 0.0f, size)); };
    return ClearRect{at(std::floor(box.texelMin[0]) - 1.0f), at(size - std::ceil(box.texelMax[1]) - 1.0f),
                     at(std::ceil(box.texelMax[0]) + 1.0f), at(size - std::floor(box.texelMin[1]) + 1.0f)};
}

}  // namespace

void ShadowMap::drawCasters(const std::vector<SceneObject*>& objects, const CasterPlaces& now, bool aroundMoved) {
    GraphicsDevice* device = renderer ? renderer->device : nullptr;
    if (!device) return;
    if (!aroundMoved || !CasterPlaces::movedBetween(drawn_, now, moved_)) {
        clear();
        for (SceneObject* object : objects) drawCaster(*object);
        drawn_ = now;
        return;
    }
    // The moved boxes as regions of the map, overlapping ones joined.
    std::vector<ClearRect> regions;
    for (const CasterBox& box : moved_) regions.push_back(texelsOf(box));
    joinOverlappingRects(regions, kSize, kSize);
    const std::vector<CasterPlaces::Place>& places = now.places();
    for (const ClearRect& region : regions) {
        device->clear(&region, 0xFFFFFFFFu, 1.0f);
        device->setScissor(&region);
        for (const CasterPlaces::Place& place : places) {
            bool reaches = false;
            for (int i = 0; i < place.boxCount && !reaches; ++i)
                reaches = rectsOverlap(region, texelsOf(now.boxes()[place.firstBox + i]));
            if (reaches) drawCaster(*place.object);
        }
    }
    device->setScissor(nullptr);
    drawn_ = now;
}

bool setUpShadowMap(Renderer& renderer) {
    if (!renderer.shadowCapable) return false;
    auto map = std::make_unique<ShadowMap>(&renderer);
    if (!map->initShadowMap()) {
        renderer.shadowCapable = false;
        return false;
    }
    map->lightView = matrixLookAtLH(Vector3{0, 51, 0}, Vector3{0, 0, 0}, Vector3{0, 0, 1});
    map->lightProjection = matrixPerspectiveFovLH(2.0f, 1.0f, 1.0f, 300.0f);
    renderer.shadowMap = std::move(map);
    return true;
}
