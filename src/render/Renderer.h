#pragma once
// The renderer: owns the graphics device and draws each frame — the optional shadow pass,
// the lit 3D scene objects, then the current screen's two 2D layers (its ScreenLayer) with
// the mouse pointer between them. It also offers the 2D primitives that fonts, widgets and
// screens draw with; every one of them ends in spriteSink (the GL batcher in the game, a
// recorder in tests).
#include "assets/TextureRecord.h"
#include "core/math/Matrix4.h"
#include "render/AtlasImage.h"
#include "render/CasterPlaces.h"
#include "render/FrameCounter.h"
#include "render/SpriteSink.h"
#include "render/StillOnlyResources.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Camera;
class GameWindow;
class GraphicsDevice;
class KRFont;
class ResourceManager;
class SceneEffect;
class SceneObject;
class ScreenLayer;
class ShadowMap;
class SpriteBatcher;
class StillTableLayer;
class KeptScene;
class RenderSurface;
class DepthSurface;
class WindowMetrics;
struct DeviceCapabilities;
struct PresentParameters;

class Renderer {
public:
    std::vector<SceneObject*> objects;       // not owned; drawn in this order
    GraphicsDevice* device = nullptr;        // created by initDevice, owned
    ResourceManager* resources = nullptr;    // set by the game after initDevice
    Camera* camera = nullptr;                // required whenever objects is not empty
    // The camera stands at the table's designed view and does not move (the table display
    // says so every frame; whoever moves the camera clears it). Only then may the objects
    // marked still be drawn from the still-table layer instead of being shaded again.
    bool stillCamera = false;
    std::unique_ptr<StillTableLayer> stillTable;  // made with the device
    std::unique_ptr<KeptScene> keptScene;         // the layered scene as last drawn
    // What only the still table's pictures draw with, let go while the pictures stand.
    StillOnlyResources stillOnly;
    std::unique_ptr<ShadowMap> shadowMap;    // set by the match set-up when one was built
    CasterPlaces casterPlaces;               // this frame's shadow casters (while shadows are on)
    float mouseX = 0.0f;
    float mouseY = 0.0f;
    int fps = 0;
    bool shadowCapable = false;
    TextureRecord* pointerTexture = nullptr;  // mousepointer.png, hot spot at (8, 8)
    std::unique_ptr<SceneEffect> sceneEffect;
    int shadowsEnabled = 0;
    ScreenLayer* screen = nullptr;            // the current screen, not owned
    std::unique_ptr<SpriteBatcher> sprite;    // the GL batcher behind spriteSink
    SpriteSink* spriteSink = nullptr;
    RenderSurface* savedRenderTarget = nullptr;
    DepthSurface* savedDepthSurface = nullptr;
    bool deviceLost = false;
    FrameCounter frameCounter;
    // Beside the design (the game's settings turn them on, per machine):
    // The picture fills the window at its own size and shape: the 3D table drawn for it,
    // with a wider (or taller) view of the same table, and the 1024x768 screen placed in
    // its middle, scaled sharply. Off: the designed 1024x768 picture, scaled with bars.
    bool widePicture = false;
    // A back buffer without samples has its scene's edges smoothed by a pass after it.
    bool smoothEdges = false;

    Renderer();
    ~Renderer();
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    // Creates the device after checking the hardware; false after showError.
    bool initDevice(GameWindow* window);
    // Scene effect, projection, sprite batcher and pointer; false when the effect failed.
    bool initScene(const WindowMetrics* window);
    void renderFrame();
    void resetDevice();

    void addObject(SceneObject* object);
    // Drops, in order, every object whose removal flag is set, clearing the flag.
    void removeFlaggedObjects();

    // 2D primitives, valid inside a screen's layer drawing; colours are ARGB.
    void drawTexture(TextureRecord* t, int x, int y);
    void drawImage(const AtlasImage& image, int x, int y, std::uint32_t colour);
    void drawTextureRect(TextureRecord* t, int sx, int sy, int sw, int sh, int x, int y);
    void drawTextureRectScaled(TextureRecord* t, int sx, int sy, int dx, int dy, int dw, int dh,
                               int sw, int sh, std::uint32_t colour);

    // Text, glyph by glyph through drawImage-like calls (RendererText.cpp).
    int textWidth(KRFont* font, const std::string& text);
    int textWidthWithoutBrackets(KRFont* font, const std::string& text);
    void drawText(KRFont* font, const std::string& text, int x, int y, std::uint32_t colour);
    void drawTwoColourText(KRFont* font, const std::string& text, int x, int y,
                           std::uint32_t normal, std::uint32_t highlight);
    void drawWrappedText(KRFont* font, const std::string& text, int x, int y,
                         std::uint32_t normal, std::uint32_t highlight,
                         const std::vector<int>& lineWidths);

    // The device's parameters this frame asks for: the designed back buffer, or the wide
    // picture's sizes for the window as it is now; with the smoothing asked.
    PresentParameters wantedParameters() const;

private:
    // Rebuilds the device's back buffer and picture when what is wanted changed (a setting,
    // the window's size), and sets the scene's projection for the picture's shape.
    void followPicture();
    std::unique_ptr<SpriteSink> batcherSink_;
    int samples_ = 0;              // the back buffer's samples, from the capabilities
    Matrix4 designProjection_;     // as initScene made it
    bool projectionWide_ = false;  // the projection is the wide picture's
};

// The first failed start-up check as its message, or "" when the device may be created.
// (Steps after the context exists: shader model, formats, the 1024x768 mode.)
std::string checkDeviceCapabilities(const DeviceCapabilities& caps);
std::string describeDisplayMode(int width, int height, int refreshRate, int format);
// Width over height of the scene's projection: the window's outer size, frame included,
// or the size the window is created with when there is none.
float sceneAspectRatio(const WindowMetrics* window);
// The scene's projection for a wide picture of the given shape (width over height): the
// designed vertical field of view on screens at least kWholeTableAspect wide (16:9 and
// wider: the table as tall as designed, more of the room beside it), else the horizontal
// field of that shape, on a taller picture. The designed 4:3 view cuts the near corners of
// the cabinet; from kWholeTableAspect on, the whole table is in the picture.
constexpr float kWholeTableAspect = 1.68f;
Matrix4 sceneProjectionFor(float aspect);
// The back buffer for a wide picture of that size: the picture's own size, or (asked for
// with PITCHBAR_SCENE_PIXELS=design) the designed number of pixels in the picture's shape,
// scaled up by the scene pass.
void sceneSizeFor(int pictureWidth, int pictureHeight, bool designPixelCount, int& width, int& height);
