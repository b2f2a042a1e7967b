// The GL device: context, off-screen back buffer, present with black bars, device loss.
#include "platform/gfx/GraphicsDevice.h"
#include "platform/gfx/PictureFit.h"

#include "platform/gfx/GlTexture.h"
#include "platform/gfx/GpuBuffer.h"
#include "platform/gfx/RenderTarget.h"
#include "platform/gfx/ScenePass.h"

#include <SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {
ShadingPath gShadingPath = ShadingPath::Full;

bool namesSoftwareRenderer(const std::string& name) {
    return name.find("llvmpipe") != std::string::npos || name.find("softpipe") != std::string::npos ||
           name.find("Software") != std::string::npos;
}
}  // namespace

ShadingPath currentShadingPath() { return gShadingPath; }
void setShadingPath(ShadingPath path) { gShadingPath = path; }

GraphicsDevice::GraphicsDevice() {
    const char* full = std::getenv("PITCHBAR_FULL_QUALITY");
    fullQualityOnSoftware = full && *full && std::string(full) != "0";
}

GraphicsDevice::~GraphicsDevice() {
    if (context_) {
        destroyBackBuffer();
        scenePass_.reset();
        SDL_GL_DeleteContext(static_cast<SDL_GLContext>(context_));
    }
}

bool GraphicsDevice::openContext(SDL_Window* window) {
    window_ = window;
    if (!window) {
        lastError_ = "no window";
        return false;
    }
    SDL_GLContext context = SDL_GL_CreateContext(window);
    if (!context) {
        lastError_ = SDL_GetError();
        return false;
    }
    context_ = context;
    if (epoxy_gl_version() < 33) {
        lastError_ = "the driver offers OpenGL " + std::to_string(epoxy_gl_version() / 10) + "." +
                     std::to_string(epoxy_gl_version() % 10);
        SDL_GL_DeleteContext(context);
        context_ = nullptr;
        return false;
    }
    // Presenting never waits for the vertical retrace.
    SDL_GL_SetSwapInterval(0);
    const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    software_ = namesSoftwareRenderer(renderer ? renderer : "");
    return true;
}

DeviceCapabilities GraphicsDevice::capabilities() const {
    DeviceCapabilities caps;
    // A 3.3 core context has vertex and fragment stages of shader model 4.0.
    if (context_ && epoxy_gl_version() >= 33) {
        caps.vertexShaderMajor = caps.pixelShaderMajor = 4;
    }
    // The back buffer is an off-screen framebuffer, so its format, its depth format and its
    // size exist whatever the desktop runs at.
    caps.backBufferFormatAvailable = context_ != nullptr;
    caps.depthFormatAvailable = context_ != nullptr;
    caps.modes.push_back(DisplayMode{1024, 768, 60, 22});
    SDL_DisplayMode mode;
    int display = window_ ? SDL_GetWindowDisplayIndex(window_) : 0;
    if (SDL_GetCurrentDisplayMode(display < 0 ? 0 : display, &mode) == 0) {
        caps.currentMode = DisplayMode{mode.w, mode.h, mode.refresh_rate, 22};
    }
    // Software renderers halve their frame rate with 4 samples: they answer no, unless the
    // full picture is asked of them (which is the picture a graphics card draws).
    if (context_) {
        GLint maxSamples = 0;
        glGetIntegerv(GL_MAX_SAMPLES, &maxSamples);
        caps.fourSamplesSupported = (!software_ || fullQualityOnSoftware) && maxSamples >= 4;
    }
    return caps;
}

void GraphicsDevice::destroyBackBuffer() {
    if (pictureFramebuffer_ && pictureFramebuffer_ != drawFramebuffer_) {
        glDeleteFramebuffers(1, &pictureFramebuffer_);
        glDeleteTextures(1, &pictureColour_);
    }
    if (resolveFramebuffer_ && resolveFramebuffer_ != drawFramebuffer_) {
        glDeleteFramebuffers(1, &resolveFramebuffer_);
        glDeleteTextures(1, &resolveColour_);
    }
    if (drawFramebuffer_) glDeleteFramebuffers(1, &drawFramebuffer_);
    if (drawColour_) glDeleteRenderbuffers(1, &drawColour_);
    if (drawColourTexture_) glDeleteTextures(1, &drawColourTexture_);
    if (drawDepth_) glDeleteRenderbuffers(1, &drawDepth_);
    drawFramebuffer_ = drawColour_ = drawDepth_ = resolveFramebuffer_ = resolveColour_ = 0;
    drawColourTexture_ = pictureFramebuffer_ = pictureColour_ = 0;
}

namespace {
// A texture drawn into and read by a pass, one level, clamped at its edges: the format and
// the filter are the pass's (bilinear for scaling, nearest for copies and depths).
GLuint makePassTexture(int width, int height, GLint internalFormat, GLenum format, GLenum type, GLint filter) {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, width, height, 0, format, type, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    return name;
}

// A colour texture a pass reads with bilinear filtering (scaling).
GLuint makeColourTexture(int width, int height) {
    return makePassTexture(width, height, GL_RGBA8, GL_RGBA, GL_UNSIGNED_BYTE, GL_LINEAR);
}
}  // namespace

bool GraphicsDevice::create(const PresentParameters& wanted) {
    if (!context_) return false;
    destroyBackBuffer();
    PresentParameters parameters = wanted;
    // Smoothing by a pass is for a back buffer without samples; samples smooth by themselves.
    if (parameters.samples > 0) parameters.smoothEdges = false;
    parameters_ = parameters;
    path_ = software_ && !fullQualityOnSoftware ? ShadingPath::Light : ShadingPath::Full;
    setShadingPath(path_);
    const char* still = std::getenv("PITCHBAR_STILL_TABLE");
    const bool stillAsked = still && *still && std::string(still) != "0";
    stillTable_ = parameters.samples == 0 && (still && *still ? stillAsked : software_);
    const int samples = parameters.samples;
    const bool ownPicture = parameters.smoothEdges || parameters.shownWidth() != parameters.width ||
                            parameters.shownHeight() != parameters.height;
    glGenFramebuffers(1, &drawFramebuffer_);
    glBindFramebuffer(GL_FRAMEBUFFER, drawFramebuffer_);
    if (samples == 0 && ownPicture) {
        // Read by the scene pass.
        drawColourTexture_ = makeColourTexture(parameters.width, parameters.height);
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, drawColourTexture_, 0);
    } else {
        glGenRenderbuffers(1, &drawColour_);
        glBindRenderbuffer(GL_RENDERBUFFER, drawColour_);
        glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples, GL_RGBA8, parameters.width,
                                         parameters.height);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, drawColour_);
    }
    glGenRenderbuffers(1, &drawDepth_);
    glBindRenderbuffer(GL_RENDERBUFFER, drawDepth_);
    glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples, GL_DEPTH_COMPONENT16,
                                     parameters.width, parameters.height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, drawDepth_);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        lastError_ = "the back buffer framebuffer is incomplete";
        destroyBackBuffer();
        return false;
    }
    if (samples > 0) {
        glGenFramebuffers(1, &resolveFramebuffer_);
        glBindFramebuffer(GL_FRAMEBUFFER, resolveFramebuffer_);
        resolveColour_ = makeColourTexture(parameters.width, parameters.height);
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, resolveColour_, 0);
    } else {
        resolveFramebuffer_ = drawFramebuffer_;
    }
    if (ownPicture) {
        if (!scenePass_) {
            scenePass_ = std::make_unique<ScenePass>();
            if (!scenePass_->create()) {
                lastError_ = "the scene pass did not build";
                scenePass_.reset();
                destroyBackBuffer();
                return false;
            }
        }
        glGenFramebuffers(1, &pictureFramebuffer_);
        glBindFramebuffer(GL_FRAMEBUFFER, pictureFramebuffer_);
        pictureColour_ = makeColourTexture(parameters.shownWidth(), parameters.shownHeight());
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, pictureColour_, 0);
        if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
            lastError_ = "the picture framebuffer is incomplete";
            destroyBackBuffer();
            return false;
        }
    } else {
        pictureFramebuffer_ = drawFramebuffer_;
    }
    glBindFramebuffer(GL_FRAMEBUFFER, drawFramebuffer_);
    glViewport(0, 0, parameters.width, parameters.height);
    currentColour_ = nullptr;
    currentDepth_ = nullptr;
    lost_ = false;
    return true;
}

void GraphicsDevice::windowSize(int& width, int& height) const {
    width = height = 0;
    if (window_) SDL_GL_GetDrawableSize(window_, &width, &height);
}

void GraphicsDevice::finishScene(bool sceneDrawn) {
    if (!context_) return;
    currentColour_ = nullptr;
    currentDepth_ = nullptr;
    glDisable(GL_SCISSOR_TEST);
    if (pictureFramebuffer_ != drawFramebuffer_ && !sceneDrawn) {
        // Nothing but the black clear (a menu): the picture is cleared, not passed over.
        glBindFramebuffer(GL_FRAMEBUFFER, pictureFramebuffer_);
        glViewport(0, 0, pictureWidth(), pictureHeight());
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    } else if (pictureFramebuffer_ != drawFramebuffer_ && scenePass_) {
        unsigned int source = drawColourTexture_;
        if (resolveFramebuffer_ != drawFramebuffer_) {
            glBindFramebuffer(GL_READ_FRAMEBUFFER, drawFramebuffer_);
            glBindFramebuffer(GL_DRAW_FRAMEBUFFER, resolveFramebuffer_);
            glBlitFramebuffer(0, 0, parameters_.width, parameters_.height, 0, 0, parameters_.width,
                              parameters_.height, GL_COLOR_BUFFER_BIT, GL_NEAREST);
            source = resolveColour_;
        }
        glBindFramebuffer(GL_FRAMEBUFFER, pictureFramebuffer_);
        glViewport(0, 0, pictureWidth(), pictureHeight());
        scenePass_->draw(source, parameters_.width, parameters_.height, parameters_.smoothEdges);
    }
    glBindFramebuffer(GL_FRAMEBUFFER, pictureFramebuffer_);
    glViewport(0, 0, pictureWidth(), pictureHeight());
}

PictureRect GraphicsDevice::screenInPicture() const {
    if (pictureWidth() == kDesignScreenWidth && pictureHeight() == kDesignScreenHeight)
        return PictureRect{0, 0, kDesignScreenWidth, kDesignScreenHeight};
    return fitPicture(pictureWidth(), pictureHeight(), kDesignScreenWidth, kDesignScreenHeight);
}

PictureRect GraphicsDevice::screenInWindow(int windowWidth, int windowHeight) const {
    const PictureRect screen = screenInPicture();
    const int pw = pictureWidth(), ph = pictureHeight();
    if (windowWidth == pw && windowHeight == ph) return screen;
    // present scales the picture into the window with black bars: the screen goes with it.
    const PictureRect shown = fitPicture(windowWidth, windowHeight, pw, ph);
    PictureRect r;
    r.x = shown.x + static_cast<int>(static_cast<long>(screen.x) * shown.width / pw);
    r.y = shown.y + static_cast<int>(static_cast<long>(screen.y) * shown.height / ph);
    r.width = static_cast<int>(static_cast<long>(screen.width) * shown.width / pw);
    r.height = static_cast<int>(static_cast<long>(screen.height) * shown.height / ph);
    return r;
}

bool GraphicsDevice::reset(const PresentParameters& parameters) { return create(parameters); }

bool GraphicsDevice::windowAway() const {
    if (simulatedAway_) return true;
    if (!window_) return false;
    const Uint32 flags = SDL_GetWindowFlags(window_);
    const bool fullscreen = (flags & SDL_WINDOW_FULLSCREEN) != 0;
    const bool minimised = (flags & SDL_WINDOW_MINIMIZED) != 0;
    const bool focused = (flags & SDL_WINDOW_INPUT_FOCUS) != 0;
    return fullscreen && (minimised || !focused);
}

DeviceState GraphicsDevice::testCooperativeLevel() {
    if (!lost_) return DeviceState::Ok;
    // A simulated loss ends with the first question; a real one lasts while the window is away.
    simulatedAway_ = false;
    return windowAway() ? DeviceState::Lost : DeviceState::NotReset;
}

bool GraphicsDevice::present() {
    if (!context_) return false;
    if (lost_) return false;
    if (simulatedLoss_ || windowAway()) {
        simulatedLoss_ = false;
        lost_ = true;
        return false;
    }
    int w = 0, h = 0;
    SDL_GL_GetDrawableSize(window_, &w, &h);
    unsigned int shown = pictureFramebuffer_;
    if (shown == drawFramebuffer_ && resolveFramebuffer_ != drawFramebuffer_) {
        glBindFramebuffer(GL_READ_FRAMEBUFFER, drawFramebuffer_);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, resolveFramebuffer_);
        glBlitFramebuffer(0, 0, parameters_.width, parameters_.height, 0, 0, parameters_.width,
                          parameters_.height, GL_COLOR_BUFFER_BIT, GL_NEAREST);
        shown = resolveFramebuffer_;
    }
    const int pw = pictureWidth(), ph = pictureHeight();
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glDisable(GL_SCISSOR_TEST);
    glViewport(0, 0, w, h);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, shown);
    if (w == pw && h == ph) {
        // The window is the picture's size (full screen at its size): a plain copy.
        glBlitFramebuffer(0, 0, w, h, 0, 0, w, h, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    } else {
        // Keep the picture whole and centred; the rest of the window is black.
        const PictureRect r = fitPicture(w, h, pw, ph);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glBlitFramebuffer(0, 0, pw, ph, r.x, r.y, r.x + r.width, r.y + r.height,
                          GL_COLOR_BUFFER_BIT, GL_LINEAR);
    }
    SDL_GL_SwapWindow(window_);
    glBindFramebuffer(GL_FRAMEBUFFER, drawFramebuffer_);
    glViewport(0, 0, parameters_.width, parameters_.height);
    return true;
}

void GraphicsDevice::clear(const ClearRect* rect, std::uint32_t argb, float depth) {
    const float a = ((argb >> 24) & 0xFF) / 255.0f, r = ((argb >> 16) & 0xFF) / 255.0f,
                g = ((argb >> 8) & 0xFF) / 255.0f, b = (argb & 0xFF) / 255.0f;
    const int targetHeight = currentColour_ ? currentColour_->height() : parameters_.height;
    if (rect) {
        // Rectangles are given top-down; GL counts rows from the bottom.
        glEnable(GL_SCISSOR_TEST);
        glScissor(rect->left, targetHeight - rect->bottom, rect->right - rect->left,
                  rect->bottom - rect->top);
    }
    glClearColor(r, g, b, a);
    glClearDepth(depth);
    glDepthMask(GL_TRUE);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (rect) glDisable(GL_SCISSOR_TEST);
}

void GraphicsDevice::setDepthTest(bool enabled) {
    if (enabled) {
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LEQUAL);
    } else {
        glDisable(GL_DEPTH_TEST);
    }
}

void GraphicsDevice::setRenderTarget(RenderSurface* colour, DepthSurface* depth) {
    currentColour_ = colour;
    currentDepth_ = depth;
    if (!colour) {
        glBindFramebuffer(GL_FRAMEBUFFER, drawFramebuffer_);
        glViewport(0, 0, parameters_.width, parameters_.height);
        return;
    }
    glBindFramebuffer(GL_FRAMEBUFFER, colour->framebuffer());
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER,
                              depth ? depth->renderbuffer() : 0);
    glViewport(0, 0, colour->width(), colour->height());
}

std::unique_ptr<DeviceTexture> GraphicsDevice::createTexture(int width, int height,
                                                             const std::uint8_t* rgba) {
    if (!context_ || width <= 0 || height <= 0) return nullptr;
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    // Bilinear until the 3D scene first draws with it and its mip levels are made.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    auto texture = std::make_unique<GlTexture>(name, width, height);
    texture->mipmapsPending = true;
    return texture;
}

std::unique_ptr<DeviceTexture> GraphicsDevice::createRenderTexture(int width, int height, bool floatRed) {
    if (!context_ || refuseRenderTargets) return nullptr;
    const GLuint name = floatRed ? makePassTexture(width, height, GL_R32F, GL_RED, GL_FLOAT, GL_NEAREST)
                                 : makePassTexture(width, height, GL_RGBA8, GL_RGBA, GL_UNSIGNED_BYTE, GL_NEAREST);
    if (glGetError() != GL_NO_ERROR) {
        glDeleteTextures(1, &name);
        return nullptr;
    }
    return std::make_unique<GlTexture>(name, width, height);
}

std::unique_ptr<DeviceTexture> GraphicsDevice::createFloatRenderTexture(int width, int height) {
    return createRenderTexture(width, height, true);
}

std::unique_ptr<DeviceTexture> GraphicsDevice::createColourRenderTexture(int width, int height) {
    return createRenderTexture(width, height, false);
}

void GraphicsDevice::copyToBackBuffer(RenderSurface* colour, DepthSurface* depth) {
    if (!context_ || !colour || !depth) return;
    const int w = parameters_.width, h = parameters_.height;
    glBindFramebuffer(GL_READ_FRAMEBUFFER, colour->framebuffer());
    glFramebufferRenderbuffer(GL_READ_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER,
                              depth->renderbuffer());
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, drawFramebuffer_);
    glDisable(GL_SCISSOR_TEST);
    glBlitFramebuffer(0, 0, w, h, 0, 0, w, h, GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT, GL_NEAREST);
    glBindFramebuffer(GL_FRAMEBUFFER, currentColour_ ? currentColour_->framebuffer() : drawFramebuffer_);
}

void GraphicsDevice::copyRect(RenderSurface* fromColour, DepthSurface* fromDepth, RenderSurface* toColour,
                              DepthSurface* toDepth, const ClearRect& rect) {
    if (!context_ || !fromColour || !fromDepth || !toColour || !toDepth) return;
    const int height = toColour->height();
    const int x0 = rect.left, x1 = rect.right, y0 = height - rect.bottom, y1 = height - rect.top;
    glBindFramebuffer(GL_READ_FRAMEBUFFER, fromColour->framebuffer());
    glFramebufferRenderbuffer(GL_READ_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, fromDepth->renderbuffer());
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, toColour->framebuffer());
    glFramebufferRenderbuffer(GL_DRAW_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, toDepth->renderbuffer());
    glDisable(GL_SCISSOR_TEST);
    glBlitFramebuffer(x0, y0, x1, y1, x0, y0, x1, y1, GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT, GL_NEAREST);
    glBindFramebuffer(GL_FRAMEBUFFER, currentColour_ ? currentColour_->framebuffer() : drawFramebuffer_);
}

void GraphicsDevice::readSurfaceRows(RenderSurface* colour, int firstRow, int rows,
                                     std::vector<std::uint8_t>& rgba) {
    if (!context_ || !colour) return;
    rgba.resize(static_cast<std::size_t>(colour->width()) * rows * 4);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, colour->framebuffer());
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, firstRow, colour->width(), rows, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    glBindFramebuffer(GL_FRAMEBUFFER, currentColour_ ? currentColour_->framebuffer() : drawFramebuffer_);
}

void GraphicsDevice::readDepthRows(RenderSurface* colour, DepthSurface* depth, int firstRow, int rows,
                                   std::vector<float>& values) {
    if (!context_ || !colour || !depth) return;
    values.resize(static_cast<std::size_t>(colour->width()) * rows);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, colour->framebuffer());
    glFramebufferRenderbuffer(GL_READ_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER,
                              depth->renderbuffer());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, firstRow, colour->width(), rows, GL_DEPTH_COMPONENT, GL_FLOAT, values.data());
    glBindFramebuffer(GL_FRAMEBUFFER, currentColour_ ? currentColour_->framebuffer() : drawFramebuffer_);
}

void GraphicsDevice::setScissor(const ClearRect* rect) {
    if (!rect) {
        glDisable(GL_SCISSOR_TEST);
        return;
    }
    const int targetHeight = currentColour_ ? currentColour_->height() : parameters_.height;
    glEnable(GL_SCISSOR_TEST);
    glScissor(rect->left, targetHeight - rect->bottom, rect->right - rect->left, rect->bottom - rect->top);
}

std::unique_ptr<RenderSurface> GraphicsDevice::createRenderSurface(DeviceTexture* texture) {
    auto* gl = static_cast<GlTexture*>(texture);
    if (!context_ || !gl) return nullptr;
    GLuint framebuffer = 0;
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, gl->name(), 0);
    glBindFramebuffer(GL_FRAMEBUFFER, currentColour_ ? currentColour_->framebuffer() : drawFramebuffer_);
    return std::make_unique<RenderSurface>(framebuffer, texture, texture->width, texture->height);
}

std::unique_ptr<DepthSurface> GraphicsDevice::createDepthSurface(int width, int height) {
    if (!context_ || refuseRenderTargets) return nullptr;
    GLuint name = 0;
    glGenRenderbuffers(1, &name);
    glBindRenderbuffer(GL_RENDERBUFFER, name);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT16, width, height);
    if (glGetError() != GL_NO_ERROR) {
        glDeleteRenderbuffers(1, &name);
        return nullptr;
    }
    return std::make_unique<DepthSurface>(name, width, height);
}

std::unique_ptr<GpuBuffer> GraphicsDevice::createVertexBuffer(const void* data, std::size_t bytes) {
    if (!context_) return nullptr;
    GLuint name = 0;
    glGenBuffers(1, &name);
    glBindBuffer(GL_ARRAY_BUFFER, name);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(bytes), data, GL_STATIC_DRAW);
    return std::make_unique<GpuBuffer>(name, static_cast<unsigned>(bytes));
}

std::unique_ptr<GpuBuffer> GraphicsDevice::createIndexBuffer(const std::uint32_t* indices,
                                                             std::size_t count) {
    if (!context_) return nullptr;
    GLuint name = 0;
    glGenBuffers(1, &name);
    // Bound as an array buffer: element buffers attach to whatever vertex array is bound.
    glBindBuffer(GL_ARRAY_BUFFER, name);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(count * 4), indices, GL_STATIC_DRAW);
    return std::make_unique<GpuBuffer>(name, static_cast<unsigned>(count * 4));
}

void GraphicsDevice::drawIndexedTriangles(const VertexDeclaration& declaration,
                                          const GpuBuffer* vertices, int stride,
                                          const GpuBuffer* indices, int vertexCount,
                                          int triangleCount) {
    (void)vertexCount;
    if (!vertices || !indices || triangleCount <= 0) return;
    // Each vertex buffer keeps a vertex array with its layout and index buffer, made at its
    // first draw, so a draw binds one object instead of describing every attribute again.
    unsigned int& vertexArray = vertices->vertexArray;
    if (!vertexArray || vertices->vertexArrayIndices != indices->name()) {
        if (!vertexArray) glGenVertexArrays(1, &vertexArray);
        glBindVertexArray(vertexArray);
        glBindBuffer(GL_ARRAY_BUFFER, vertices->name());
        for (int location = 0; location < 10; ++location) glDisableVertexAttribArray(location);
        for (const VertexElement& e : declaration.elements) {
            const int location = vertexAttributeLocation(e);
            glEnableVertexAttribArray(location);
            glVertexAttribPointer(location, e.floats, GL_FLOAT, GL_FALSE, stride,
                                  reinterpret_cast<const void*>(static_cast<std::size_t>(e.offset)));
        }
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indices->name());
        vertices->vertexArrayIndices = indices->name();
    } else {
        glBindVertexArray(vertexArray);
    }
    glDrawElements(GL_TRIANGLES, triangleCount * 3, GL_UNSIGNED_INT, nullptr);
}

std::vector<std::uint8_t> GraphicsDevice::readBackBuffer() const {
    const int w = pictureWidth(), h = pictureHeight();
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(w) * h * 4);
    if (!context_) return pixels;
    unsigned int shown = pictureFramebuffer_;
    if (shown == drawFramebuffer_ && resolveFramebuffer_ != drawFramebuffer_) {
        glBindFramebuffer(GL_READ_FRAMEBUFFER, drawFramebuffer_);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, resolveFramebuffer_);
        glBlitFramebuffer(0, 0, w, h, 0, 0, w, h, GL_COLOR_BUFFER_BIT, GL_NEAREST);
        shown = resolveFramebuffer_;
    }
    glBindFramebuffer(GL_READ_FRAMEBUFFER, shown);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    std::vector<std::uint8_t> upsideDown(pixels.size());
    glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, upsideDown.data());
    for (int row = 0; row < h; ++row)
        std::copy_n(upsideDown.begin() + static_cast<std::size_t>(h - 1 - row) * w * 4, w * 4,
                    pixels.begin() + static_cast<std::size_t>(row) * w * 4);
    glBindFramebuffer(GL_FRAMEBUFFER, drawFramebuffer_);
    return pixels;
}

void GraphicsDevice::hideSystemCursor() { SDL_ShowCursor(SDL_DISABLE); }

void GraphicsDevice::sleepBriefly() { SDL_Delay(1); }
