#include "render/KeptScene.h"

#include "platform/gfx/DeviceTexture.h"
#include "platform/gfx/RenderTarget.h"
#include "render/Renderer.h"
#include "render/ScreenBounds.h"
#include "render/StillTableLayer.h"
#include "render/effects/SceneEffect.h"
#include "render/effects/SceneObject.h"
#include "render/effects/ShadowMap.h"

#include <cstring>

namespace {

// The full path's shadow filter reads two and a half texels around a point.
constexpr float kTexelPad = 3.0f;

void mix(std::uint64_t& hash, const void* data, std::size_t bytes) {
    const auto* p = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < bytes; ++i) hash = (hash ^ p[i]) * 1099511628211ull;
}

// Everything of an object's mesh and materials that its pixels depend on.
std::uint64_t looksOf(const SceneObject& object) {
    std::uint64_t hash = 14695981039346656037ull;
    mix(hash, &object.mesh, sizeof object.mesh);
    for (const auto& entry : object.materials) {
        const Material& m = *entry.second;
        const void* texture = m.texture ? static_cast<const void*>(m.texture->texture) : nullptr;
        mix(hash, &m.ambienceFactor, sizeof m.ambienceFactor);
        mix(hash, &m.lightingModel, sizeof m.lightingModel);
        mix(hash, &m.texture, sizeof m.texture);
        mix(hash, &texture, sizeof texture);
        mix(hash, m.meshColor, sizeof m.meshColor);
        mix(hash, &m.specPower, sizeof m.specPower);
        mix(hash, &m.specIntensity, sizeof m.specIntensity);
        mix(hash, &m.castsShadow, sizeof m.castsShadow);
        mix(hash, &m.receivesShadow, sizeof m.receivesShadow);
    }
    return hash;
}

bool boxesMeet(const CasterBox& a, const CasterBox& b) {
    return a.texelMin[0] <= b.texelMax[0] + kTexelPad && a.texelMax[0] >= b.texelMin[0] - kTexelPad &&
           a.texelMin[1] <= b.texelMax[1] + kTexelPad && a.texelMax[1] >= b.texelMin[1] - kTexelPad;
}

}  // namespace

KeptScene::KeptScene(Renderer* renderer) : renderer_(renderer) {}

KeptScene::~KeptScene() { release(); }

void KeptScene::release() {
    depth_.reset();
    colour_.reset();
    colourTexture_.reset();
    valid_ = false;
}

bool KeptScene::makeTargets(int width, int height) {
    if (colour_ && colour_->width() == width && colour_->height() == height) return true;
    release();
    GraphicsDevice& device = *renderer_->device;
    colourTexture_ = device.createColourRenderTexture(width, height);
    colour_ = colourTexture_ ? device.createRenderSurface(colourTexture_.get()) : nullptr;
    depth_ = colour_ ? device.createDepthSurface(width, height) : nullptr;
    if (depth_) return true;
    release();
    return false;
}

void KeptScene::takeParts(std::vector<Part>& parts) const {
    const Renderer& r = *renderer_;
    const SceneEffect& scene = *r.sceneEffect;
    const Matrix4 viewProjection = scene.view * scene.projection;
    const int width = r.device->backBufferWidth(), height = r.device->backBufferHeight();
    const bool shadows = scene.shadowsOn();
    const Matrix4 lightViewProj = shadows ? r.shadowMap->lightView * r.shadowMap->lightProjection : Matrix4{};
    parts.clear();
    for (const SceneObject* object : r.objects) {
        if (object->still || !object->mesh) continue;
        Part part{object, object->world, looksOf(*object), objectOnScreen(*object, viewProjection, width, height), {}};
        if (shadows) {
            const Matrix4 toLight = object->world * lightViewProj;
            for (const auto& entry : object->mesh->subMeshes) {
                const Material* material = object->material(entry.first);
                if (!material || !material->receivesShadow) continue;
                CasterBox box;
                // A surface whose box cannot be placed in the map: any caster may shade it.
                if (!CasterPlaces::lightBox(*entry.second, toLight, box))
                    box = CasterBox{{-1e9f, -1e9f}, {1e9f, 1e9f}, 0.0f};
                part.receiving.push_back(box);
            }
        }
        parts.push_back(std::move(part));
    }
}

void KeptScene::findChanges(StillTableLayer& table, std::vector<ClearRect>& dirty) {
    const Renderer& r = *renderer_;
    const int width = r.device->backBufferWidth(), height = r.device->backBufferHeight();
    const ClearRect whole{0, 0, width, height};
    dirty.clear();
    bool sameParts = valid_ && !table.changedEverywhere() && shown_.size() == now_.size();
    for (std::size_t i = 0; sameParts && i < now_.size(); ++i) sameParts = shown_[i].object == now_[i].object;
    const bool shadows = r.sceneEffect->shadowsOn();
    if (sameParts && shadows && !CasterPlaces::movedBetween(shownCasters_, r.casterPlaces, moved_)) sameParts = false;
    if (!sameParts) {
        dirty.push_back(whole);
        return;
    }
    // Where the table's shadows changed, and the parts that moved, where they were and are.
    dirty = table.reachOf(moved_, false);
    for (std::size_t i = 0; i < now_.size(); ++i) {
        const Part& before = shown_[i];
        const Part& part = now_[i];
        if (std::memcmp(&before.world, &part.world, sizeof(Matrix4)) != 0 || before.looks != part.looks) {
            dirty.push_back(before.onScreen);
            dirty.push_back(part.onScreen);
            continue;
        }
        bool shaded = false;
        for (const CasterBox& surface : part.receiving)
            for (const CasterBox& caster : moved_)
                if (boxesMeet(surface, caster)) shaded = true;
        if (shaded) dirty.push_back(part.onScreen);
    }
}

bool KeptScene::drawInto(StillTableLayer& table) {
    Renderer& r = *renderer_;
    GraphicsDevice& device = *r.device;
    const int width = device.backBufferWidth(), height = device.backBufferHeight();
    if (!table.table() || !table.tableDepth() || !makeTargets(width, height)) return false;
    takeParts(now_);
    std::vector<ClearRect> dirty;
    findChanges(table, dirty);
    joinOverlappingRects(dirty, width, height);
    table.changesSeen();

    redrawnPixels_ = 0;
    RenderSurface* savedColour = device.renderTarget();
    DepthSurface* savedDepth = device.depthSurface();
    for (const ClearRect& rect : dirty) {
        device.copyRect(table.table(), table.tableDepth(), colour_.get(), depth_.get(), rect);
        redrawnPixels_ += (rect.right - rect.left) * (rect.bottom - rect.top);
    }
    if (!dirty.empty()) {
        device.setRenderTarget(colour_.get(), depth_.get());
        table.drawShadows(&dirty);
        SceneEffect& scene = *r.sceneEffect;
        scene.setFrameParameters();
        for (const Part& part : now_) {
            // Once per part, limited to where it meets the changed rectangles. Elsewhere in
            // that box it would only draw itself again over itself.
            ClearRect reach{0, 0, 0, 0};
            for (const ClearRect& rect : dirty)
                if (rectsOverlap(rect, part.onScreen))
                    reach = rectAround(reach, ClearRect{std::max(rect.left, part.onScreen.left),
                                                        std::max(rect.top, part.onScreen.top),
                                                        std::min(rect.right, part.onScreen.right),
                                                        std::min(rect.bottom, part.onScreen.bottom)});
            if (rectEmpty(reach)) continue;
            device.setScissor(&reach);
            scene.drawObject(*part.object);
        }
        device.setScissor(nullptr);
        device.setRenderTarget(savedColour, savedDepth);
    }
    device.copyToBackBuffer(colour_.get(), depth_.get());
    shown_.swap(now_);
    if (r.sceneEffect->shadowsOn()) shownCasters_ = r.casterPlaces;
    valid_ = true;
    return true;
}
