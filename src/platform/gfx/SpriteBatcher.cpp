#include "platform/gfx/SpriteBatcher.h"

#include "core/ErrorLog.h"
#include "platform/gfx/GlTexture.h"
#include "platform/gfx/ShaderProgram.h"

#include <epoxy/gl.h>

#include <cstring>

namespace {

// Quads per draw call before the buffer is flushed even within one texture.
constexpr int kMaxQuads = 2048;

const char* kVertexSource = R"(#version 330 core
layout(location = 0) in vec2 position;
layout(location = 1) in vec2 uv;
layout(location = 2) in vec4 tint;
// The 1024x768 screen in the picture: scale x, y and the left, top corner, in the
// picture's pixels; and half the picture's size.
uniform vec4 placement;
uniform vec2 halfPicture;
out vec2 texCoord;
out vec4 colour;
void main() {
    // 1024x768 pixels, origin at the top left.
    vec2 p = position * placement.xy + placement.zw;
    gl_Position = vec4(p.x / halfPicture.x - 1.0, 1.0 - p.y / halfPicture.y, 0.0, 1.0);
    texCoord = uv;
    colour = tint;
}
)";

const char* kFragmentSource = R"(#version 330 core
in vec2 texCoord;
in vec4 colour;
uniform sampler2D image;
uniform bool sharp;
out vec4 fragColour;
void main() {
    vec2 uv = texCoord;
    if (sharp) {
        // Magnified by a scale that is not a whole number: each texel stays a solid block
        // and only the one picture pixel on the border between two texels blends them, so
        // text keeps its edges instead of the blur of a plain bilinear stretch.
        vec2 size = vec2(textureSize(image, 0));
        vec2 t = texCoord * size - 0.5;
        vec2 pixelsPerTexel = max(1.0 / max(fwidth(t), vec2(1e-6)), vec2(1.0));
        vec2 cell = floor(t);
        vec2 f = clamp((t - cell - 0.5) * pixelsPerTexel + 0.5, 0.0, 1.0);
        uv = (cell + f + 0.5) / size;
    }
    fragColour = texture(image, uv) * colour;
}
)";

}  // namespace

SpriteBatcher::SpriteBatcher() { vertices_.reserve(kMaxQuads * 4); }

SpriteBatcher::~SpriteBatcher() { release(); }

void SpriteBatcher::release() {
    if (program_) glDeleteProgram(program_);
    if (vertexBuffer_) glDeleteBuffers(1, &vertexBuffer_);
    if (indexBuffer_) glDeleteBuffers(1, &indexBuffer_);
    if (vertexArray_) glDeleteVertexArrays(1, &vertexArray_);
    program_ = vertexBuffer_ = indexBuffer_ = vertexArray_ = 0;
    writtenVertices_ = 0;
}

bool SpriteBatcher::create() {
    release();
    std::string errors;
    GLuint vs = 0, fs = 0;
    if (!compileShader(GL_VERTEX_SHADER, kVertexSource, vs, errors) ||
        !compileShader(GL_FRAGMENT_SHADER, kFragmentSource, fs, errors) ||
        !linkProgram(vs, fs, program_, errors)) {
        if (vs) glDeleteShader(vs);
        if (fs) glDeleteShader(fs);
        logError("sprite shaders: " + errors);
        return false;
    }
    glDeleteShader(vs);
    glDeleteShader(fs);
    glUseProgram(program_);
    glUniform1i(glGetUniformLocation(program_, "image"), 0);
    placementUniform_ = glGetUniformLocation(program_, "placement");
    halfPictureUniform_ = glGetUniformLocation(program_, "halfPicture");
    sharpUniform_ = glGetUniformLocation(program_, "sharp");
    applyPlacement();

    glGenVertexArrays(1, &vertexArray_);
    glBindVertexArray(vertexArray_);
    glGenBuffers(1, &vertexBuffer_);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
    glBufferData(GL_ARRAY_BUFFER, kMaxQuads * 4 * sizeof(Vertex), nullptr, GL_STREAM_DRAW);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex), nullptr);
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                          reinterpret_cast<const void*>(offsetof(Vertex, u)));
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(2, 4, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(Vertex),
                          reinterpret_cast<const void*>(offsetof(Vertex, rgba)));
    std::vector<std::uint32_t> indices;
    indices.reserve(kMaxQuads * 6);
    for (std::uint32_t q = 0; q < kMaxQuads; ++q) {
        const std::uint32_t b = q * 4;
        for (std::uint32_t i : {b, b + 1, b + 2, b, b + 2, b + 3}) indices.push_back(i);
    }
    glGenBuffers(1, &indexBuffer_);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer_);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, indices.size() * 4, indices.data(), GL_STATIC_DRAW);
    glBindVertexArray(0);
    return true;
}

void SpriteBatcher::setPlacement(int pictureWidth, int pictureHeight, int left, int top, int width, int height) {
    Placement p{pictureWidth, pictureHeight, left, top, width, height};
    if (p.pictureWidth == placement_.pictureWidth && p.pictureHeight == placement_.pictureHeight &&
        p.left == placement_.left && p.top == placement_.top && p.width == placement_.width &&
        p.height == placement_.height)
        return;
    placement_ = p;
    applyPlacement();
}

void SpriteBatcher::applyPlacement() {
    if (!program_) return;
    const Placement& p = placement_;
    const float sx = static_cast<float>(p.width) / 1024.0f, sy = static_cast<float>(p.height) / 768.0f;
    glUseProgram(program_);
    glUniform4f(placementUniform_, sx, sy, static_cast<float>(p.left), static_cast<float>(p.top));
    glUniform2f(halfPictureUniform_, static_cast<float>(p.pictureWidth) * 0.5f,
                static_cast<float>(p.pictureHeight) * 0.5f);
    // 1:1 as designed samples texel centres; any other scale takes the sharp magnification.
    glUniform1i(sharpUniform_, p.width != 1024 || p.height != 768 ? 1 : 0);
}

void SpriteBatcher::begin() {
    vertices_.clear();
    batchTexture_ = nullptr;
    drawCalls_ = 0;
    inBatch_ = true;
}

void SpriteBatcher::draw(DeviceTexture* texture, int sx, int sy, int sw, int sh, float dx,
                         float dy, float dw, float dh, std::uint32_t argb) {
    if (!texture || !inBatch_ || texture->width <= 0 || texture->height <= 0) return;
    if (texture != batchTexture_ || vertices_.size() >= kMaxQuads * 4) {
        flush();
        batchTexture_ = texture;
    }
    // A solid colour laid over the whole screen (a fade, the pause's dimming) covers the
    // whole picture when the screen is only its middle.
    const Placement& p = placement_;
    if (sw <= 2 && sh <= 2 && dx <= 0.0f && dy <= 0.0f && dx + dw >= 1024.0f && dy + dh >= 768.0f &&
        (p.width != p.pictureWidth || p.height != p.pictureHeight) && p.width > 0 && p.height > 0) {
        const float sx = static_cast<float>(p.width) / 1024.0f, sy = static_cast<float>(p.height) / 768.0f;
        dx = -static_cast<float>(p.left) / sx;
        dy = -static_cast<float>(p.top) / sy;
        dw = static_cast<float>(p.pictureWidth) / sx;
        dh = static_cast<float>(p.pictureHeight) / sy;
    }
    const float iw = 1.0f / static_cast<float>(texture->width);
    const float ih = 1.0f / static_cast<float>(texture->height);
    const float u0 = sx * iw, v0 = sy * ih, u1 = (sx + sw) * iw, v1 = (sy + sh) * ih;
    // ARGB to the bytes R, G, B, A in memory order.
    const std::uint32_t rgba = ((argb >> 16) & 0xFFu) | (argb & 0xFF00u) | ((argb & 0xFFu) << 16) |
                               (argb & 0xFF000000u);
    vertices_.push_back(Vertex{dx, dy, u0, v0, rgba});
    vertices_.push_back(Vertex{dx + dw, dy, u1, v0, rgba});
    vertices_.push_back(Vertex{dx + dw, dy + dh, u1, v1, rgba});
    vertices_.push_back(Vertex{dx, dy + dh, u0, v1, rgba});
}

void SpriteBatcher::flush() {
    if (vertices_.empty() || !batchTexture_ || !program_) {
        vertices_.clear();
        return;
    }
    glDisable(GL_DEPTH_TEST);
    glDepthMask(GL_FALSE);
    glDisable(GL_CULL_FACE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glUseProgram(program_);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, static_cast<GlTexture*>(batchTexture_)->name());
    glBindVertexArray(vertexArray_);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
    // Quads are appended behind those already drawn, so the driver never waits for a draw
    // still reading the buffer; only a full buffer is orphaned (given fresh storage).
    // Written unsynchronised: the range was never handed to a draw since the last orphaning.
    const int count = static_cast<int>(vertices_.size());
    GLbitfield access = GL_MAP_WRITE_BIT | GL_MAP_UNSYNCHRONIZED_BIT | GL_MAP_INVALIDATE_RANGE_BIT;
    if (writtenVertices_ + count > kMaxQuads * 4) {
        access = GL_MAP_WRITE_BIT | GL_MAP_INVALIDATE_BUFFER_BIT;
        writtenVertices_ = 0;
    }
    void* target = glMapBufferRange(GL_ARRAY_BUFFER, static_cast<GLintptr>(writtenVertices_ * sizeof(Vertex)),
                                    static_cast<GLsizeiptr>(count * sizeof(Vertex)), access);
    if (!target) {
        vertices_.clear();
        glBindVertexArray(0);
        return;
    }
    std::memcpy(target, vertices_.data(), count * sizeof(Vertex));
    glUnmapBuffer(GL_ARRAY_BUFFER);
    glDrawElementsBaseVertex(GL_TRIANGLES, count / 4 * 6, GL_UNSIGNED_INT, nullptr, writtenVertices_);
    writtenVertices_ += count;
    glBindVertexArray(0);
    ++drawCalls_;
    vertices_.clear();
}

void SpriteBatcher::end() {
    flush();
    batchTexture_ = nullptr;
    inBatch_ = false;
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
    glEnable(GL_DEPTH_TEST);
}

void SpriteBatcher::onLostDevice() { vertices_.clear(); }

void SpriteBatcher::onResetDevice() {}
