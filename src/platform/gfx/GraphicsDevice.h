#pragma once
// The graphics device over OpenGL 3.3 core. The game draws its 3D scene into an off-screen
// back buffer (colour + 16-bit depth, 4x multisampled when the driver is fast enough for
// it, 1024x768 as designed); the screens' 2D layers go over it, and present copies the
// picture into a window of the same size, or scales it with black bars, and never waits
// for the retrace.
//
// Beside the design, the picture may be larger than the back buffer or smoothed: then
// finishScene takes the scene through one more pass (ScenePass: scaled, and with an
// FXAA-like smoothing of its edges) into a picture of its own, and the screens draw there.
// The 1024x768 screen keeps its coordinates; it lies in the picture at screenInPicture.
//
// Device loss: a full-screen window that is minimised or loses the focus makes present
// report the device lost; while the window stays away the device answers "lost"; once it is
// back it answers "can be reset", and reset rebuilds the back buffer. Textures, buffers and
// effects are released and reloaded by their owners around the reset.
#include "platform/gfx/ShadingPath.h"
#include "platform/gfx/VertexDeclaration.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/PictureFit.h"

struct SDL_Window;
class DeviceTexture;
class ScenePass;
class GpuBuffer;
class RenderSurface;
class DepthSurface;

struct DisplayMode {
    int width = 0;
    int height = 0;
    int refreshRate = 0;
    int format = 22;  // the numeric code of the 32-bit X8R8G8B8 layout
};

// What the game checks before it starts, derived from the context.
struct DeviceCapabilities {
    int vertexShaderMajor = 0;
    int vertexShaderMinor = 0;
    int pixelShaderMajor = 0;
    int pixelShaderMinor = 0;
    bool backBufferFormatAvailable = false;  // X8R8G8B8 colour for the back buffer
    bool depthFormatAvailable = false;       // 16-bit depth with it
    std::vector<DisplayMode> modes;          // back-buffer sizes the device can draw
    DisplayMode currentMode;                 // the desktop's mode
    bool fourSamplesSupported = false;       // the 4x multisampling check succeeded
};

struct PresentParameters {
    int width = 1024;  // the back buffer the 3D scene is drawn into
    int height = 768;
    int samples = 0;  // 0 or 4
    // The picture the screens draw on and present shows; 0: the back buffer itself.
    int pictureWidth = 0;
    int pictureHeight = 0;
    // The scene's edges smoothed by a pass after it (a back buffer without samples).
    bool smoothEdges = false;

    int shownWidth() const { return pictureWidth > 0 ? pictureWidth : width; }
    int shownHeight() const { return pictureHeight > 0 ? pictureHeight : height; }
    bool operator==(const PresentParameters& o) const {
        return width == o.width && height == o.height && samples == o.samples &&
               shownWidth() == o.shownWidth() && shownHeight() == o.shownHeight() &&
               smoothEdges == o.smoothEdges;
    }
    bool operator!=(const PresentParameters& o) const { return !(*this == o); }
};

enum class DeviceState { Ok, Lost, NotReset };

struct ClearRect {
    int left, top, right, bottom;  // pixels of the current target, origin at the top left
};

class GraphicsDevice {
public:
    GraphicsDevice();
    ~GraphicsDevice();
    GraphicsDevice(const GraphicsDevice&) = delete;
    GraphicsDevice& operator=(const GraphicsDevice&) = delete;

    // Makes the GL 3.3 core context on the window. false: no such context (see lastError).
    bool openContext(SDL_Window* window);
    const std::string& lastError() const { return lastError_; }
    DeviceCapabilities capabilities() const;

    // Builds the back buffer; false (with lastError) when the driver refuses it.
    bool create(const PresentParameters& parameters);
    bool reset(const PresentParameters& parameters);
    const PresentParameters& parameters() const { return parameters_; }
    // The window's drawable size in pixels (0 x 0 without a window).
    void windowSize(int& width, int& height) const;
    // The 3D scene of this frame is drawn (sceneDrawn false: the back buffer was only
    // cleared): it goes to the picture (scaled and smoothed when the parameters ask), and
    // the picture becomes the target of the 2D layers. The next setRenderTarget(null)
    // returns to the back buffer.
    void finishScene(bool sceneDrawn = true);
    // Where the 1024x768 screen lies in the picture, and in a window of this size as
    // present shows it: the free pointer is read back through the same rectangle.
    PictureRect screenInPicture() const;
    PictureRect screenInWindow(int windowWidth, int windowHeight) const;
    DeviceState testCooperativeLevel();
    // Scales the back buffer into the window and swaps. false: the device was lost.
    bool present();
    // Lets a test or the window layer force the next present to report a loss.
    void simulateLoss() { simulatedLoss_ = true; }

    void clear(const ClearRect* rect, std::uint32_t argb, float depth);
    void setDepthTest(bool enabled);
    // The game draws its own pointer.
    void hideSystemCursor();
    // Gives the processor back for a moment while the device is away.
    void sleepBriefly();

    // Render target (null colour surface = the back buffer).
    void setRenderTarget(RenderSurface* colour, DepthSurface* depth);
    RenderSurface* renderTarget() const { return currentColour_; }
    DepthSurface* depthSurface() const { return currentDepth_; }

    // A PNG file with its top row first; null on failure, no log.
    std::unique_ptr<DeviceTexture> loadTexture(const std::string& path);
    // RGBA8 texture from memory, rows top first.
    std::unique_ptr<DeviceTexture> createTexture(int width, int height, const std::uint8_t* rgba);
    // One-level R32F render-target texture and its colour surface / a 16-bit depth surface.
    std::unique_ptr<DeviceTexture> createFloatRenderTexture(int width, int height);
    std::unique_ptr<RenderSurface> createRenderSurface(DeviceTexture* texture);
    std::unique_ptr<DepthSurface> createDepthSurface(int width, int height);
    // One-level RGBA8 render-target texture, read texel by texel (no filtering).
    std::unique_ptr<DeviceTexture> createColourRenderTexture(int width, int height);
    // Copies a colour surface and a depth surface of the back buffer's size over the back
    // buffer's colour and depth, pixel for pixel.
    void copyToBackBuffer(RenderSurface* colour, DepthSurface* depth);
    // Copies a rectangle (top-down) of a colour surface and its depth over the same
    // rectangle of another pair of the same size.
    void copyRect(RenderSurface* fromColour, DepthSurface* fromDepth, RenderSurface* toColour,
                  DepthSurface* toDepth, const ClearRect& rect);
    // Rows [firstRow, firstRow + rows) of a colour surface, counted from the bottom, as
    // RGBA bytes; and of a depth surface (drawn with that colour surface) as 0..1 values.
    void readSurfaceRows(RenderSurface* colour, int firstRow, int rows, std::vector<std::uint8_t>& rgba);
    void readDepthRows(RenderSurface* colour, DepthSurface* depth, int firstRow, int rows,
                       std::vector<float>& values);
    // Drawing is limited to the rectangle (top-down, as for clear) until this is called
    // with null.
    void setScissor(const ClearRect* rect);
    // Reproduces a driver without memory for render targets (tests of the fallback).
    bool refuseRenderTargets = false;

    // Mesa's software rasteriser (or another that names itself so) draws this context.
    bool softwareRenderer() const { return software_; }
    // Draw the full picture even on a software renderer (tests comparing both paths;
    // PITCHBAR_FULL_QUALITY=1 sets it at start-up). Takes effect at the next create/reset.
    bool fullQualityOnSoftware = false;
    // The path create/reset chose: Light on a software renderer unless full quality is asked.
    ShadingPath shadingPath() const { return path_; }
    // Whether a picture of the table's still parts, drawn once and copied into every frame,
    // beats shading them again each frame. On a software renderer every shaded pixel costs
    // processor time and a copy is a memory copy; a graphics card shades the table in a
    // fraction of a millisecond and would have to copy a 4x multisampled picture and shade
    // the field per sample, so there it is not used. A multisampled back buffer never
    // takes it. PITCHBAR_STILL_TABLE=1 or 0 overrides the choice (to measure both);
    // decided at create/reset.
    bool prefersStillTable() const { return stillTable_; }

    std::unique_ptr<GpuBuffer> createVertexBuffer(const void* data, std::size_t bytes);
    std::unique_ptr<GpuBuffer> createIndexBuffer(const std::uint32_t* indices, std::size_t count);
    void drawIndexedTriangles(const VertexDeclaration& declaration, const GpuBuffer* vertices,
                              int stride, const GpuBuffer* indices, int vertexCount,
                              int triangleCount);

    // Reads the picture (top row first, RGBA; pictureWidth x pictureHeight, the back
    // buffer's size unless the picture has its own) for tests and screenshots.
    std::vector<std::uint8_t> readBackBuffer() const;
    int backBufferWidth() const { return parameters_.width; }
    int backBufferHeight() const { return parameters_.height; }
    int pictureWidth() const { return parameters_.shownWidth(); }
    int pictureHeight() const { return parameters_.shownHeight(); }
    unsigned int backBufferFramebuffer() const { return drawFramebuffer_; }
    SDL_Window* window() const { return window_; }

private:
    // The two render-target textures above: R32F (floatRed) or RGBA8, read without filtering.
    std::unique_ptr<DeviceTexture> createRenderTexture(int width, int height, bool floatRed);
    void destroyBackBuffer();
    bool windowAway() const;

    SDL_Window* window_ = nullptr;
    void* context_ = nullptr;
    std::string lastError_;
    PresentParameters parameters_;
    bool lost_ = false;
    bool simulatedLoss_ = false;
    bool simulatedAway_ = false;
    // Multisampled back buffer (drawn into) and its resolve target when sampling; without
    // multisampling both name the same framebuffer.
    unsigned int drawFramebuffer_ = 0;
    unsigned int drawColour_ = 0;
    unsigned int drawDepth_ = 0;
    unsigned int resolveFramebuffer_ = 0;
    unsigned int resolveColour_ = 0;
    // The back buffer's colour as a texture (without samples), read by the scene pass.
    unsigned int drawColourTexture_ = 0;
    // The picture when it is not the back buffer itself (scaled or smoothed scene).
    unsigned int pictureFramebuffer_ = 0;
    unsigned int pictureColour_ = 0;
    std::unique_ptr<ScenePass> scenePass_;
    bool software_ = false;
    ShadingPath path_ = ShadingPath::Full;
    bool stillTable_ = false;
    RenderSurface* currentColour_ = nullptr;
    DepthSurface* currentDepth_ = nullptr;
};
