#pragma once
// Off-screen drawing surfaces: a colour surface drawing into a render-target texture's
// level 0, and a depth surface that goes with it. Released when destroyed.
class DeviceTexture;

class RenderSurface {
public:
    RenderSurface(unsigned int framebuffer, DeviceTexture* colour, int width, int height)
        : framebuffer_(framebuffer), colour_(colour), width_(width), height_(height) {}
    ~RenderSurface();
    RenderSurface(const RenderSurface&) = delete;
    RenderSurface& operator=(const RenderSurface&) = delete;
    unsigned int framebuffer() const { return framebuffer_; }
    DeviceTexture* colour() const { return colour_; }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    unsigned int framebuffer_;
    DeviceTexture* colour_;
    int width_;
    int height_;
};

class DepthSurface {
public:
    DepthSurface(unsigned int renderbuffer, int width, int height)
        : renderbuffer_(renderbuffer), width_(width), height_(height) {}
    ~DepthSurface();
    DepthSurface(const DepthSurface&) = delete;
    DepthSurface& operator=(const DepthSurface&) = delete;
    unsigned int renderbuffer() const { return renderbuffer_; }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    unsigned int renderbuffer_;
    int width_;
    int height_;
};
