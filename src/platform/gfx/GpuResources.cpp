// Release of the device objects behind buffers and off-screen surfaces.
#include "platform/gfx/GpuBuffer.h"
#include "platform/gfx/RenderTarget.h"

#include <epoxy/gl.h>

GpuBuffer::~GpuBuffer() {
    if (vertexArray) glDeleteVertexArrays(1, &vertexArray);
    if (name_) glDeleteBuffers(1, &name_);
}

RenderSurface::~RenderSurface() {
    if (framebuffer_) glDeleteFramebuffers(1, &framebuffer_);
}

DepthSurface::~DepthSurface() {
    if (renderbuffer_) glDeleteRenderbuffers(1, &renderbuffer_);
}
