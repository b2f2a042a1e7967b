#include "render/Renderer.h"

#include "assets/ResourceManager.h"
#include "core/ErrorLog.h"
#include "render/DeviceResultText.h"
#include "platform/gfx/GraphicsDevice.h"
#include "platform/gfx/RenderTarget.h"
#include "platform/gfx/SpriteBatcher.h"
#include "platform/system/MemoryMode.h"
#include "platform/time/GameClock.h"
#include "platform/window/GameWindow.h"
#include "platform/window/WindowMetrics.h"
#include "render/BatcherSpriteSink.h"
#include "render/Camera.h"
#include "render/effects/SceneEffect.h"
#include "render/effects/SceneObject.h"
#include "render/effects/ShadowMap.h"
#include "render/KeptScene.h"
#include "render/ScreenLayer.h"
#include "render/StillTableLayer.h"

#include <cmath>
#include <cstdlib>

namespace {

const char* const kNoContextMessage =
    "You need at least OpenGL 3.3 to run this game. (Please google for 'update opengl driver', "
    "download and install it, it is free!)";

bool hasMode1024x768(const DeviceCapabilities& caps) {
    for (const DisplayMode& m : caps.modes)
        if (m.width == 1024 && m.height == 768) return true;
    return false;
}

std::string currentModeText(const DeviceCapabilities& caps) {
    const DisplayMode& m = caps.currentMode;
    return " Current display mode: " + describeDisplayMode(m.width, m.height, m.refreshRate, m.format);
}

PresentParameters presentParameters(const DeviceCapabilities& caps) {
    PresentParameters p;
    p.samples = caps.fourSamplesSupported ? 4 : 0;
    return p;
}

constexpr float kFieldOfView = 0.7853982f;
constexpr float kNearPlane = 20.0f;
constexpr float kFarPlane = 220.0f;

// PITCHBAR_SCENE_PIXELS=design draws the wide picture's scene with the designed number of
// pixels and scales it up (to measure both ways; see wantedParameters).
bool designPixelCountAsked() {
    const char* asked = std::getenv("PITCHBAR_SCENE_PIXELS");
    return asked && std::string(asked) == "design";
}

}  // namespace

void BatcherSpriteSink::drawSprite(const SpriteDraw& d) {
    if (!d.texture || !d.texture->texture) return;
    batcher_->draw(d.texture->texture, d.srcX, d.srcY, d.srcW, d.srcH, d.dstX, d.dstY, d.dstW,
                   d.dstH, d.colour);
}

std::string describeDisplayMode(int width, int height, int refreshRate, int format) {
    return "width: " + std::to_string(width) + " height: " + std::to_string(height) +
           " refreshRate: " + std::to_string(refreshRate) + " format: " + std::to_string(format);
}

std::string checkDeviceCapabilities(const DeviceCapabilities& caps) {
    if (caps.vertexShaderMajor < 2 || caps.pixelShaderMajor < 2)
        return "Sorry, but a video card with at least shader model 2.0 is needed to play Pitchbar. "
               "Detected vertex shader version is " +
               std::to_string(caps.vertexShaderMajor) + "." + std::to_string(caps.vertexShaderMinor) +
               " detected pixel shader version is " + std::to_string(caps.pixelShaderMajor) + "." +
               std::to_string(caps.pixelShaderMinor);
    if (!caps.backBufferFormatAvailable)
        return "Display format D3DFMT_X8R8G8B8 is not available on this video device." +
               hresultText(0x8876086Au) + currentModeText(caps);
    if (!caps.depthFormatAvailable)
        return "Depth format D3DFMT_D16 cannot be used with display format D3DFMT_X8R8G8B8 on this "
               "video device." +
               hresultText(0x8876086Au) + currentModeText(caps);
    if (!hasMode1024x768(caps))
        return "Resolution 1024x768 is not available with the display format D3DFMT_X8R8G8B8 on "
               "this video device." +
               currentModeText(caps);
    return "";
}

float sceneAspectRatio(const WindowMetrics* window) {
    int w = GameWindow::kWidth, h = GameWindow::kHeight;
    if (window) window->outerSize(w, h);
    return static_cast<float>(w) / static_cast<float>(h);
}

Matrix4 sceneProjectionFor(float aspect) {
    if (aspect <= 0.0f) aspect = kWholeTableAspect;
    if (aspect >= kWholeTableAspect)
        return matrixPerspectiveFovLH(kFieldOfView, aspect, kNearPlane, kFarPlane);
    // As wide a view as that shape's, on a taller picture.
    const float fovY = 2.0f * std::atan(std::tan(kFieldOfView * 0.5f) * kWholeTableAspect / aspect);
    return matrixPerspectiveFovLH(fovY, aspect, kNearPlane, kFarPlane);
}

void sceneSizeFor(int pictureWidth, int pictureHeight, bool designPixelCount, int& width, int& height) {
    width = pictureWidth;
    height = pictureHeight;
    const double pixels = static_cast<double>(pictureWidth) * pictureHeight;
    const double designed = 1024.0 * 768.0;
    if (!designPixelCount || pixels <= designed) return;
    const double scale = std::sqrt(designed / pixels);
    width = static_cast<int>(std::lround(pictureWidth * scale));
    height = static_cast<int>(std::lround(pictureHeight * scale));
}

Renderer::Renderer() = default;

Renderer::~Renderer() {
    // Device objects go before the context that owns them.
    keptScene.reset();
    stillTable.reset();
    shadowMap.reset();
    sprite.reset();
    sceneEffect.reset();
    delete device;
    device = nullptr;
}

bool Renderer::initDevice(GameWindow* window) {
    delete device;
    device = new GraphicsDevice();
    if (!device->openContext(window ? window->sdlWindow() : nullptr)) {
        logError("OpenGL context: " + device->lastError());
        showError(kNoContextMessage);
        delete device;
        device = nullptr;
        return false;
    }
    const DeviceCapabilities caps = device->capabilities();
    const std::string problem = checkDeviceCapabilities(caps);
    if (!problem.empty()) {
        showError(problem);
        if (caps.backBufferFormatAvailable && caps.depthFormatAvailable && caps.vertexShaderMajor >= 2 &&
            caps.pixelShaderMajor >= 2) {
            logError("Available resolutions in D3DFMT_X8R8G8B8:");
            for (const DisplayMode& m : caps.modes)
                logError(describeDisplayMode(m.width, m.height, m.refreshRate, m.format));
        }
        delete device;
        device = nullptr;
        return false;
    }
    samples_ = presentParameters(caps).samples;
    if (!device->create(presentParameters(caps))) {
        showError("Colud not create OpenGL device. (" + device->lastError() + ")");
        delete device;
        device = nullptr;
        return false;
    }
    shadowCapable = caps.vertexShaderMajor >= 3 && caps.pixelShaderMajor >= 3;
    stillTable = std::make_unique<StillTableLayer>(this);
    keptScene = std::make_unique<KeptScene>(this);
    savedRenderTarget = nullptr;
    savedDepthSurface = nullptr;
    device->setDepthTest(true);
    device->hideSystemCursor();
    return true;
}

bool Renderer::initScene(const WindowMetrics* window) {
    sceneEffect = std::make_unique<SceneEffect>(this);
    const bool loaded = sceneEffect->loadEffect();
    if (loaded) {
        designProjection_ = matrixPerspectiveFovLH(kFieldOfView, sceneAspectRatio(window), kNearPlane, kFarPlane);
        sceneEffect->projection = designProjection_;
    }
    sprite = std::make_unique<SpriteBatcher>();
    if (device) sprite->create();
    batcherSink_ = std::make_unique<BatcherSpriteSink>(sprite.get());
    spriteSink = batcherSink_.get();
    pointerTexture = resources ? resources->getTexture("mousepointer.png") : nullptr;
    return loaded;
}

void Renderer::renderFrame() {
    if (deviceLost) {
        if (device) {
            device->sleepBriefly();
            if (device->testCooperativeLevel() == DeviceState::NotReset) resetDevice();
        }
        return;
    }
    if (!device) return;
    followPicture();
    // The frame starts on the back buffer (the last one ended on the picture).
    device->setRenderTarget(nullptr, nullptr);

    const bool scene = !objects.empty() && camera && sceneEffect;
    if (scene) {
        sceneEffect->view = camera->computeView();
        sceneEffect->cameraPosition[0] = camera->x;
        sceneEffect->cameraPosition[1] = camera->y;
        sceneEffect->cameraPosition[2] = camera->z;
        sceneEffect->cameraPosition[3] = 1.0f;
    }
    // The still table's pictures are drawn (when out of date) before the shadow pass, as
    // drawing them clears the shadow map.
    const int drawingsBefore = stillTable ? stillTable->drawings() : 0;
    const bool layered = scene && stillCamera && stillTable && stillTable->prepare();
    // Fresh pictures: what only they needed goes until they are drawn again; a table drawn
    // whole needs it back first.
    const bool freshPictures = layered && stillTable->drawings() != drawingsBefore;
    if (freshPictures) {
        stillOnly.setAside(*this);
        giveBackFreedMemory();
    }
    if (scene && !layered) stillOnly.bringBack(*this);

    // Shadow pass: the casters seen from the light into the shadow map.
    if (!objects.empty() && shadowsEnabled != 0 && shadowMap) {
        savedRenderTarget = device->renderTarget();
        savedDepthSurface = device->depthSurface();
        device->setRenderTarget(shadowMap->surface.get(), shadowMap->depthSurface.get());
        casterPlaces.take(objects, shadowMap->lightView * shadowMap->lightProjection);
        // With the still table the map is drawn again only around what moved; a frame drawn
        // whole draws it whole (and so checks the other).
        shadowMap->drawCasters(objects, casterPlaces, layered);
        device->setRenderTarget(savedRenderTarget, savedDepthSurface);
        savedRenderTarget = nullptr;
        savedDepthSurface = nullptr;
    }

    if (layered) {
        // The copy of the still table (cleared to black and 1.0 where it shows nothing)
        // stands for the clear and the still objects; the kept scene draws the moving
        // ones again only where something changed.
        if (!keptScene->drawInto(*stillTable)) {
            stillTable->drawInto();
            sceneEffect->setFrameParameters();
            for (SceneObject* object : objects)
                if (!object->still) sceneEffect->drawObject(*object);
        }
        // The first frame on fresh pictures compiled the programs it drew with; what that
        // took is let go rather than kept resident.
        if (freshPictures) giveBackFreedMemory();
    } else {
        device->clear(nullptr, 0xFF000000u, 1.0f);
        if (scene) {
            sceneEffect->setFrameParameters();
            for (SceneObject* object : objects) sceneEffect->drawObject(*object);
        }
    }

    fps = frameCounter.tick(timeGetTime());

    device->finishScene(scene);
    if (sprite) {
        const PictureRect r = device->screenInPicture();
        sprite->setPlacement(device->pictureWidth(), device->pictureHeight(), r.x, r.y, r.width, r.height);
    }
    if (sprite) sprite->begin();
    if (screen) {
        screen->draw(ScreenLayer::kUnderPointer);
        if (screen->pointerShown())
            drawTexture(pointerTexture, static_cast<int>(mouseX) - 8, static_cast<int>(mouseY) - 8);
    }
    if (sprite) sprite->end();
    if (sprite) sprite->begin();
    if (screen) screen->draw(ScreenLayer::kOverPointer);
    if (sprite) sprite->end();

    if (!device->present()) {
        if (sprite) sprite->onLostDevice();
        if (screen) screen->onDeviceLost();
        deviceLost = true;
    }
}

void Renderer::resetDevice() {
    if (resources) {
        resources->releaseTextures();
        resources->releaseMeshes();
        resources->effectsLost();
    }
    if (shadowMap) shadowMap->releaseSurfaces();
    if (keptScene) keptScene->release();
    if (stillTable) stillTable->release();
    savedRenderTarget = nullptr;
    savedDepthSurface = nullptr;
    samples_ = presentParameters(device->capabilities()).samples;
    if (!device->reset(wantedParameters())) device->reset(presentParameters(device->capabilities()));
    if (sprite) sprite->onResetDevice();
    device->setDepthTest(true);
    device->hideSystemCursor();
    if (shadowMap) shadowMap->createSurfaces();
    if (resources) {
        resources->reloadTextures();
        resources->reloadMeshes();
        resources->effectsReset();
    }
    if (screen) screen->onDeviceReset();
    deviceLost = false;
}

PresentParameters Renderer::wantedParameters() const {
    PresentParameters p;
    p.samples = samples_;
    p.smoothEdges = smoothEdges && samples_ == 0;
    int w = 0, h = 0;
    if (device) device->windowSize(w, h);
    if (widePicture && w > 0 && h > 0) {
        p.pictureWidth = w;
        p.pictureHeight = h;
        // At the display's own size on every renderer: on Mesa's llvmpipe at 1920x1080 the
        // designed pixel count scaled up was no faster (the scaling pass over the whole
        // picture costs what the larger still table saves; figures in
        // docs/before-after/wide-and-smooth/figures.txt) and the table is softer.
        sceneSizeFor(w, h, designPixelCountAsked(), p.width, p.height);
    }
    return p;
}

void Renderer::followPicture() {
    const PresentParameters wanted = wantedParameters();
    if (wanted != device->parameters() && !device->create(wanted)) {
        logError("The picture could not be made (" + device->lastError() + "); the designed one is drawn.");
        widePicture = false;
        smoothEdges = false;
        device->create(wantedParameters());
    }
    if (!sceneEffect) return;
    const bool wide = device->pictureWidth() != 1024 || device->pictureHeight() != 768 || widePicture;
    if (wide) {
        const float aspect = static_cast<float>(device->pictureWidth()) / static_cast<float>(device->pictureHeight());
        sceneEffect->projection = sceneProjectionFor(aspect);
    } else if (projectionWide_) {
        sceneEffect->projection = designProjection_;
    }
    projectionWide_ = wide;
}

void Renderer::addObject(SceneObject* object) { objects.push_back(object); }

void Renderer::removeFlaggedObjects() {
    std::vector<SceneObject*> kept;
    kept.reserve(objects.size());
    for (SceneObject* object : objects) {
        if (object->removeRequested)
            object->removeRequested = false;
        else
            kept.push_back(object);
    }
    objects.swap(kept);
}

void Renderer::drawTexture(TextureRecord* t, int x, int y) {
    const int w = t ? t->width : 0, h = t ? t->height : 0;
    if (spriteSink) spriteSink->drawSprite(SpriteDraw{t, 0, 0, w, h, float(x), float(y), float(w), float(h), 0xFFFFFFFFu});
}

void Renderer::drawImage(const AtlasImage& image, int x, int y, std::uint32_t colour) {
    if (spriteSink)
        spriteSink->drawSprite(SpriteDraw{image.texture, image.x, image.y, image.width, image.height,
                                          float(x), float(y), float(image.width), float(image.height), colour});
}

void Renderer::drawTextureRect(TextureRecord* t, int sx, int sy, int sw, int sh, int x, int y) {
    if (spriteSink)
        spriteSink->drawSprite(SpriteDraw{t, sx, sy, sw, sh, float(x), float(y), float(sw), float(sh), 0xFFFFFFFFu});
}

void Renderer::drawTextureRectScaled(TextureRecord* t, int sx, int sy, int dx, int dy, int dw, int dh,
                                     int sw, int sh, std::uint32_t colour) {
    // The scale is taken in floating point and applied to the source size, as a 2D scaling
    // transform followed by a translation to the destination corner would.
    const float scaleX = sw != 0 ? static_cast<float>(dw) / static_cast<float>(sw) : 0.0f;
    const float scaleY = sh != 0 ? static_cast<float>(dh) / static_cast<float>(sh) : 0.0f;
    if (spriteSink)
        spriteSink->drawSprite(SpriteDraw{t, sx, sy, sw, sh, float(dx), float(dy), sw * scaleX, sh * scaleY, colour});
}
