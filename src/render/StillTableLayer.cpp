#include "render/StillTableLayer.h"

#include "assets/ResourceManager.h"
#include "core/ErrorLog.h"
#include "platform/gfx/DeviceTexture.h"
#include "platform/gfx/Effect.h"
#include "platform/gfx/GraphicsDevice.h"
#include "platform/gfx/RenderTarget.h"
#include "render/Renderer.h"
#include "render/ScreenBounds.h"
#include "render/effects/RequiredTechniques.h"
#include "render/effects/SceneEffect.h"
#include "render/effects/SceneObject.h"
#include "render/effects/ShadowMap.h"

#include <algorithm>
#include <cstring>

namespace {

const char* const kParameterNames[] = {"world",    "wvp",      "lightViewProj",
                                       "shadowMap", "stillLit", "stillShadowed"};

// Clear values of the shadow map: no occluder anywhere, or one at the light itself.
constexpr std::uint32_t kNothingInTheLight = 0xFFFFFFFFu;
constexpr std::uint32_t kEverythingInShadow = 0x00000000u;
constexpr std::uint32_t kBlack = 0xFF000000u;

template <typename T>
void append(std::vector<std::uint8_t>& out, const T& value) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&value);
    out.insert(out.end(), bytes, bytes + sizeof value);
}

void appendMatrix(std::vector<std::uint8_t>& out, const Matrix4& m) {
    for (const auto& row : m.m)
        for (float v : row) append(out, v);
}

// A sub-mesh whose shading takes the shadow map while shadows are on.
bool receivesShadow(const Material& material) {
    return material.receivesShadow && (material.lightingModel == 1 || material.lightingModel == 2);
}

}  // namespace

StillTableLayer::StillTableLayer(Renderer* renderer) : renderer_(renderer) {
    for (int& p : parameters_) p = -1;
}

StillTableLayer::~StillTableLayer() { release(); }

void StillTableLayer::release() {
    shadowed_.reset();
    shadowedTexture_.reset();
    lit_.reset();
    litTexture_.reset();
    depth_.reset();
    drawnScene_.clear();
    reach_.clear();
    // A device that refused the targets may have memory for them after a reset.
    targetsRefused_ = false;
}

bool StillTableLayer::loadReceiverEffect() {
    if (receiverEffectTried_) return receiverEffect_ != nullptr;
    receiverEffectTried_ = true;
    // A missing or broken file only costs speed: the table is then drawn whole with shadows.
    receiverEffect_ = effectWithTechniques(renderer_->resources, "StillTable.fx", {"ReceivedShadows"});
    if (!receiverEffect_) return false;
    technique_ = receiverEffect_->techniqueByName("ReceivedShadows");
    for (int i = 0; i < kParameterCount; ++i)
        parameters_[i] = receiverEffect_->parameterByName(kParameterNames[i]);
    return true;
}

bool StillTableLayer::makeTargets(int width, int height, bool shadowed) {
    GraphicsDevice& device = *renderer_->device;
    if (!lit_ || lit_->width() != width || lit_->height() != height) {
        release();
        litTexture_ = device.createColourRenderTexture(width, height);
        lit_ = litTexture_ ? device.createRenderSurface(litTexture_.get()) : nullptr;
        depth_ = lit_ ? device.createDepthSurface(width, height) : nullptr;
    }
    if (!shadowed) {
        // Without shadows the second picture is never read; its memory goes back.
        shadowed_.reset();
        shadowedTexture_.reset();
    } else if (lit_ && !shadowed_) {
        shadowedTexture_ = device.createColourRenderTexture(width, height);
        shadowed_ = shadowedTexture_ ? device.createRenderSurface(shadowedTexture_.get()) : nullptr;
    }
    if (lit_ && depth_ && (!shadowed || shadowed_)) return true;
    release();
    targetsRefused_ = true;
    logError("The device has no memory for the still table's pictures; the table is drawn whole "
             "in every frame.");
    return false;
}

std::vector<std::uint8_t> StillTableLayer::describeScene(bool shadows) const {
    const SceneEffect& effect = *renderer_->sceneEffect;
    const GraphicsDevice& device = *renderer_->device;
    std::vector<std::uint8_t> scene;
    scene.reserve(1024);
    append(scene, device.backBufferWidth());
    append(scene, device.backBufferHeight());
    append(scene, device.shadingPath());
    appendMatrix(scene, effect.view);
    appendMatrix(scene, effect.projection);
    for (float v : effect.cameraPosition) append(scene, v);
    for (float v : effect.lightSourcePosition) append(scene, v);
    append(scene, shadows);
    if (shadows) {
        appendMatrix(scene, renderer_->shadowMap->lightView);
        appendMatrix(scene, renderer_->shadowMap->lightProjection);
    }
    for (const SceneObject* object : still_) {
        append(scene, object);
        append(scene, object->mesh);
        appendMatrix(scene, object->world);
        for (const auto& entry : object->materials) {
            const Material& m = *entry.second;
            append(scene, &m);
            append(scene, m.ambienceFactor);
            append(scene, m.lightingModel);
            append(scene, m.texture);
            // A texture set aside (or brought back) still shows the same picture.
            append(scene, m.texture && (m.texture->texture || m.texture->setAside));
            append(scene, m.texture ? m.texture->loads : 0u);
            for (float v : m.meshColor) append(scene, v);
            append(scene, m.specPower);
            append(scene, m.specIntensity);
            append(scene, m.castsShadow);
            append(scene, m.receivesShadow);
        }
    }
    return scene;
}

bool StillTableLayer::prepare() {
    Renderer& r = *renderer_;
    if (!allowed || !r.device || !r.sceneEffect || !r.device->prefersStillTable() || targetsRefused_)
        return false;
    still_.clear();
    for (SceneObject* object : r.objects)
        if (object->still && object->mesh) still_.push_back(object);
    if (still_.empty()) return false;
    const bool shadows = r.sceneEffect->shadowsOn();
    if (shadows && (!r.shadowMap->surface || !loadReceiverEffect())) return false;

    std::vector<std::uint8_t> scene = describeScene(shadows);
    if (lit_ && scene == drawnScene_) return true;
    if (!makeTargets(r.device->backBufferWidth(), r.device->backBufferHeight(), shadows)) return false;
    r.stillOnly.bringBack(r);
    drawPictures(shadows);
    drawnScene_ = std::move(scene);
    shadows_ = shadows;
    return true;
}

void StillTableLayer::drawPictures(bool shadows) {
    Renderer& r = *renderer_;
    GraphicsDevice& device = *r.device;
    SceneEffect& effect = *r.sceneEffect;
    RenderSurface* savedColour = device.renderTarget();
    DepthSurface* savedDepth = device.depthSurface();
    effect.setFrameParameters();
    if (shadows) {
        // In full shadow: the shadowed techniques read an occluder at every texel, so the
        // receivers keep only their ambient share; the rest looks as lit.
        ShadowMap& map = *r.shadowMap;
        device.setRenderTarget(map.surface.get(), map.depthSurface.get());
        device.clear(nullptr, kEverythingInShadow, 1.0f);
        device.setRenderTarget(shadowed_.get(), depth_.get());
        device.clear(nullptr, kBlack, 1.0f);
        for (SceneObject* object : still_) effect.drawObject(*object);
        // Lit: nothing between the light and any point. This also leaves the whole map
        // reading "no occluder", as the shadow pass expects outside the rows it clears.
        device.setRenderTarget(map.surface.get(), map.depthSurface.get());
        device.clear(nullptr, kNothingInTheLight, 1.0f);
        map.forget();
    }
    // Whoever keeps a picture made from these starts again.
    changedEverywhere_ = true;
    device.setRenderTarget(lit_.get(), depth_.get());
    device.clear(nullptr, kBlack, 1.0f);
    for (SceneObject* object : still_) effect.drawObject(*object);
    device.setRenderTarget(savedColour, savedDepth);
    if (shadows) findReceivers();
    if (shadows)
        reach_.measure(device, lit_.get(), shadowed_.get(), depth_.get(), effect.view * effect.projection,
                       r.shadowMap->lightView * r.shadowMap->lightProjection);
    ++drawings_;
}

void StillTableLayer::drawInto() {
    renderer_->device->copyToBackBuffer(lit_.get(), depth_.get());
    drawShadows(nullptr);
}

std::vector<ClearRect> StillTableLayer::reachOf(const std::vector<CasterBox>& boxes, bool anywhere) {
    if (!shadows_ || !receiverEffect_) return {};
    return reach_.reachedBy(boxes, anywhere);
}

void StillTableLayer::drawShadows(const std::vector<ClearRect>* within) {
    Renderer& r = *renderer_;
    GraphicsDevice& device = *r.device;
    shadowRectangles_ = shadowPixels_ = 0;
    if (!shadows_ || !receiverEffect_) return;
    const CasterPlaces& casters = r.casterPlaces;
    const std::vector<ClearRect>& reached = reach_.reachedBy(casters.boxes(), casters.anywhere());
    std::vector<ClearRect> rects;
    if (!within) {
        rects = reached;
    } else {
        for (const ClearRect& a : reached)
            for (const ClearRect& b : *within)
                if (rectsOverlap(a, b))
                    rects.push_back(ClearRect{std::max(a.left, b.left), std::max(a.top, b.top),
                                              std::min(a.right, b.right), std::min(a.bottom, b.bottom)});
    }
    shadowRectangles_ = static_cast<int>(rects.size());
    for (const ClearRect& rect : rects) shadowPixels_ += (rect.right - rect.left) * (rect.bottom - rect.top);
    if (rects.empty()) return;
    ShadowMap& map = *r.shadowMap;
    receiverEffect_->setMatrix(parameters_[pLightViewProj], map.lightView * map.lightProjection);
    receiverEffect_->setTexture(parameters_[pShadowMap], map.texture.get());
    receiverEffect_->setTexture(parameters_[pStillLit], litTexture_.get());
    receiverEffect_->setTexture(parameters_[pStillShadowed], shadowedTexture_.get());
    drawReceivedShadows(rects);
    device.setScissor(nullptr);
}

void StillTableLayer::findReceivers() {
    receivers_.clear();
    const SceneEffect& scene = *renderer_->sceneEffect;
    const int width = renderer_->device->backBufferWidth(), height = renderer_->device->backBufferHeight();
    for (const SceneObject* object : still_)
        for (const auto& entry : object->mesh->subMeshes) {
            const Material* material = object->material(entry.first);
            if (!material || !receivesShadow(*material)) continue;
            const ClearRect onScreen =
                boxOnScreen(*entry.second, object->world * scene.view * scene.projection, width, height);
            if (onScreen.right > onScreen.left && onScreen.bottom > onScreen.top)
                receivers_.push_back(Receiver{object, entry.second.get(), onScreen});
        }
}

void StillTableLayer::drawReceivedShadows(const std::vector<ClearRect>& rects) {
    const SceneEffect& scene = *renderer_->sceneEffect;
    GraphicsDevice& device = *renderer_->device;
    const SceneObject* placed = nullptr;
    for (const Receiver& receiver : receivers_) {
        if (receiver.object != placed) {
            // The same products the scene effect makes, so the points land on the same
            // pixels and depths as when the picture was drawn.
            receiverEffect_->setMatrix(parameters_[pWorld], receiver.object->world);
            receiverEffect_->setMatrix(parameters_[pWvp], receiver.object->world * scene.view * scene.projection);
            placed = receiver.object;
        }
        receiverEffect_->setTechnique(technique_);
        const SubMesh& sub = *receiver.sub;
        const int passes = receiverEffect_->begin();
        for (int pass = 0; pass < passes; ++pass) {
            receiverEffect_->beginPass(pass);
            for (const ClearRect& rect : rects) {
                // Only where the rectangle meets the surface: no draw at all elsewhere.
                const ClearRect both{std::max(rect.left, receiver.onScreen.left), std::max(rect.top, receiver.onScreen.top),
                                     std::min(rect.right, receiver.onScreen.right),
                                     std::min(rect.bottom, receiver.onScreen.bottom)};
                if (both.right <= both.left || both.bottom <= both.top) continue;
                device.setScissor(&both);
                device.drawIndexedTriangles(sub.vertexDeclaration, sub.vertexBuffer.get(), sub.stride,
                                            sub.indexBuffer.get(), sub.vertexCount, sub.triangleCount);
            }
            receiverEffect_->endPass();
        }
        receiverEffect_->end();
    }
}
