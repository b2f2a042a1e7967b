#include "ReferenceRenderer.h"

#include "platform/gfx/GlTexture.h"
#include "platform/gfx/GraphicsDevice.h"
#include "platform/gfx/GpuBuffer.h"
#include "platform/gfx/ShaderProgram.h"
#include "render/Camera.h"
#include "render/Renderer.h"
#include "render/effects/SceneEffect.h"
#include "render/effects/SceneObject.h"
#include "render/effects/ShadowMap.h"

#include <SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <string>

namespace {

const char* const kLitVertex = R"(
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 uv0;
uniform mat4 world;
uniform mat4 wvp;
uniform mat4 lightViewProj;
out vec3 worldPosition;
out vec3 worldNormal;
out vec2 uv;
out vec4 lightClip;
void main() {
    vec4 w = world * vec4(position, 1.0);
    worldPosition = w.xyz;
    worldNormal = mat3(world) * normal;
    uv = uv0;
    lightClip = lightViewProj * w;
    vec4 p = wvp * vec4(position, 1.0);
    p.z = p.z * 2.0 - p.w;
    gl_Position = p;
}
)";

const char* const kLitFragment = R"(
in vec3 worldPosition;
in vec3 worldNormal;
in vec2 uv;
in vec4 lightClip;
uniform vec3 light;
uniform vec3 eye;
uniform vec4 colour;
uniform float ambience;
uniform float specPower;
uniform float specIntensity;
uniform sampler2D image;
uniform sampler2D shadowMap;
out vec4 fragColour;
float shadowAt() {
#ifdef SHADOWED
    if (lightClip.w <= 0.0) return 1.0;
    vec2 st = lightClip.xy / lightClip.w * 0.5 + 0.5;
    if (any(lessThan(st, vec2(0.0))) || any(greaterThan(st, vec2(1.0)))) return 1.0;
    float depth = lightClip.w / 300.0 - 0.35 / 300.0;
    vec2 t = st * 1024.0 - 0.5;
    vec2 f = fract(t);
    ivec2 b = clamp(ivec2(floor(t)), ivec2(0), ivec2(1022));
    float a = step(depth, texelFetch(shadowMap, b, 0).r);
    float c = step(depth, texelFetch(shadowMap, b + ivec2(1, 0), 0).r);
    float d = step(depth, texelFetch(shadowMap, b + ivec2(0, 1), 0).r);
    float e = step(depth, texelFetch(shadowMap, b + ivec2(1, 1), 0).r);
    return mix(mix(a, c, f.x), mix(d, e, f.x), f.y);
#else
    return 1.0;
#endif
}
void main() {
#ifdef TEXTURED
    vec4 base = texture(image, uv);
#else
    vec4 base = colour;
#endif
    vec3 n = normalize(worldNormal);
    vec3 l = normalize(light - worldPosition);
    vec3 v = normalize(eye - worldPosition);
    float shadow = shadowAt();
    float diffuse = max(dot(n, l), 0.0);
    float highlight = specIntensity * pow(max(dot(n, normalize(l + v)), 0.0), max(specPower, 1.0));
    vec3 rgb = base.rgb * (ambience + (1.0 - ambience) * diffuse * shadow) + vec3(highlight * shadow);
    fragColour = vec4(rgb, base.a);
}
)";

const char* const kCasterVertex = R"(
layout(location = 0) in vec3 position;
uniform mat4 wvp;
out float distance;
void main() {
    vec4 p = wvp * vec4(position, 1.0);
    distance = p.w / 300.0;
    p.z = p.z * 2.0 - p.w;
    gl_Position = p;
}
)";

const char* const kCasterFragment = R"(
in float distance;
out vec4 fragColour;
void main() { fragColour = vec4(distance, 0.0, 0.0, 1.0); }
)";

unsigned int buildProgram(const std::string& defines, const char* vertex, const char* fragment) {
    const std::string head = "#version 330 core\n" + defines;
    unsigned int vs = 0, fs = 0, program = 0;
    std::string errors;
    if (!compileShader(GL_VERTEX_SHADER, head + vertex, vs, errors) ||
        !compileShader(GL_FRAGMENT_SHADER, head + fragment, fs, errors) ||
        !linkProgram(vs, fs, program, errors))
        program = 0;
    if (vs) glDeleteShader(vs);
    if (fs) glDeleteShader(fs);
    if (program) {
        glUseProgram(program);
        glUniform1i(glGetUniformLocation(program, "image"), 0);
        glUniform1i(glGetUniformLocation(program, "shadowMap"), 1);
    }
    return program;
}

void setMatrix(unsigned int program, const char* name, const Matrix4& m) {
    glUniformMatrix4fv(glGetUniformLocation(program, name), 1, GL_FALSE, &m.m[0][0]);
}

}  // namespace

ReferenceRenderer::~ReferenceRenderer() {
    for (const Draw& d : draws_) glDeleteVertexArrays(1, &d.vertexArray);
    for (unsigned int program : litPrograms_) glDeleteProgram(program);
    glDeleteProgram(casterProgram_);
    glDeleteFramebuffers(1, &frameBuffer_);
    glDeleteRenderbuffers(1, &colour_);
    glDeleteRenderbuffers(1, &depth_);
    glDeleteFramebuffers(1, &shadowBuffer_);
    glDeleteTextures(1, &shadowTexture_);
    glDeleteRenderbuffers(1, &shadowDepth_);
}

bool ReferenceRenderer::create(SDL_Window* window) {
    window_ = window;
    // One lit program per combination the scene needs: plain or textured, shadowed or not.
    for (int i = 0; i < 4; ++i) {
        const std::string defines = std::string(i & 2 ? "#define TEXTURED\n" : "") +
                                    (i & 1 ? "#define SHADOWED\n" : "");
        litPrograms_[i] = buildProgram(defines, kLitVertex, kLitFragment);
        if (!litPrograms_[i]) return false;
    }
    casterProgram_ = buildProgram("", kCasterVertex, kCasterFragment);
    if (!casterProgram_) return false;

    glGenFramebuffers(1, &frameBuffer_);
    glBindFramebuffer(GL_FRAMEBUFFER, frameBuffer_);
    glGenRenderbuffers(1, &colour_);
    glBindRenderbuffer(GL_RENDERBUFFER, colour_);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, 1024, 768);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour_);
    glGenRenderbuffers(1, &depth_);
    glBindRenderbuffer(GL_RENDERBUFFER, depth_);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT16, 1024, 768);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth_);

    glGenFramebuffers(1, &shadowBuffer_);
    glBindFramebuffer(GL_FRAMEBUFFER, shadowBuffer_);
    glGenTextures(1, &shadowTexture_);
    glBindTexture(GL_TEXTURE_2D, shadowTexture_);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_R32F, 1024, 1024, 0, GL_RED, GL_FLOAT, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, shadowTexture_, 0);
    glGenRenderbuffers(1, &shadowDepth_);
    glBindRenderbuffer(GL_RENDERBUFFER, shadowDepth_);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT16, 1024, 1024);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, shadowDepth_);
    const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    return complete;
}

ReferenceRenderer::Draw& ReferenceRenderer::drawFor(const void* subMesh, unsigned int vertices,
                                                    unsigned int indices, int stride,
                                                    int normalOffset, int uvOffset,
                                                    int indexCount) {
    for (std::size_t i = 0; i < keys_.size(); ++i)
        if (keys_[i] == subMesh) return draws_[i];
    Draw d;
    d.indexCount = indexCount;
    glGenVertexArrays(1, &d.vertexArray);
    glBindVertexArray(d.vertexArray);
    glBindBuffer(GL_ARRAY_BUFFER, vertices);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride, nullptr);
    if (normalOffset >= 0) {
        glEnableVertexAttribArray(1);
        glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, stride,
                              reinterpret_cast<const void*>(static_cast<std::size_t>(normalOffset)));
    }
    if (uvOffset >= 0) {
        glEnableVertexAttribArray(2);
        glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, stride,
                              reinterpret_cast<const void*>(static_cast<std::size_t>(uvOffset)));
    }
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indices);
    glBindVertexArray(0);
    keys_.push_back(subMesh);
    draws_.push_back(d);
    return draws_.back();
}

void ReferenceRenderer::drawFrame(const Renderer& scene, bool shadows) {
    if (!scene.camera || !scene.sceneEffect) return;
    const Matrix4 view = scene.camera->computeView();
    const Matrix4 viewProjection = view * scene.sceneEffect->projection;
    const Matrix4 lightViewProj =
        matrixLookAtLH(Vector3{0, 51, 0}, Vector3{0, 0, 0}, Vector3{0, 0, 1}) *
        matrixPerspectiveFovLH(2.0f, 1.0f, 1.0f, 300.0f);

    // Every sub-mesh with a material, once: vertex array, index count, material.
    struct Item {
        const Draw* draw;
        const Material* material;
        const SceneObject* object;
    };
    std::vector<Item> items;
    items.reserve(128);
    for (const SceneObject* object : scene.objects) {
        if (!object->mesh) continue;
        for (const auto& entry : object->mesh->subMeshes) {
            const Material* material = object->material(entry.first);
            const SubMesh& sub = *entry.second;
            if (!material || !sub.vertexBuffer || !sub.indexBuffer) continue;
            int normalOffset = -1, uvOffset = -1;
            for (const VertexElement& e : sub.vertexDeclaration.elements) {
                if (e.usage == VertexUsage::Normal) normalOffset = e.offset;
                if (e.usage == VertexUsage::TexCoord && e.usageIndex == 0) uvOffset = e.offset;
            }
            const Draw& d = drawFor(&sub, sub.vertexBuffer->name(), sub.indexBuffer->name(),
                                    sub.stride, normalOffset, uvOffset, sub.triangleCount * 3);
            items.push_back(Item{&d, material, object});
        }
    }

    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_TRUE);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glFrontFace(GL_CW);

    if (shadows) {
        glBindFramebuffer(GL_FRAMEBUFFER, shadowBuffer_);
        glViewport(0, 0, 1024, 1024);
        glClearColor(1, 1, 1, 1);
        glClearDepth(1.0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glUseProgram(casterProgram_);
        const GLint wvp = glGetUniformLocation(casterProgram_, "wvp");
        for (const Item& item : items) {
            if (!item.material->castsShadow) continue;
            const Matrix4 m = item.object->world * lightViewProj;
            glUniformMatrix4fv(wvp, 1, GL_FALSE, &m.m[0][0]);
            glBindVertexArray(item.draw->vertexArray);
            glDrawElements(GL_TRIANGLES, item.draw->indexCount, GL_UNSIGNED_INT, nullptr);
        }
    }

    glBindFramebuffer(GL_FRAMEBUFFER, frameBuffer_);
    glViewport(0, 0, 1024, 768);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, shadowTexture_);
    glActiveTexture(GL_TEXTURE0);
    for (unsigned int program : litPrograms_) {
        glUseProgram(program);
        setMatrix(program, "lightViewProj", lightViewProj);
        glUniform3f(glGetUniformLocation(program, "light"), 0, 51, 0);
        glUniform3f(glGetUniformLocation(program, "eye"), scene.camera->x, scene.camera->y,
                    scene.camera->z);
    }
    unsigned int current = 0;
    for (const Item& item : items) {
        const Material& m = *item.material;
        const bool textured = m.texture && m.texture->texture;
        const unsigned int program =
            litPrograms_[(textured ? 2 : 0) + (shadows && m.receivesShadow && m.lightingModel != 0 ? 1 : 0)];
        if (program != current) {
            glUseProgram(program);
            current = program;
        }
        glUniformMatrix4fv(glGetUniformLocation(program, "world"), 1, GL_FALSE, &item.object->world.m[0][0]);
        const Matrix4 full = item.object->world * viewProjection;
        glUniformMatrix4fv(glGetUniformLocation(program, "wvp"), 1, GL_FALSE, &full.m[0][0]);
        glUniform4fv(glGetUniformLocation(program, "colour"), 1, m.meshColor);
        glUniform1f(glGetUniformLocation(program, "ambience"), m.ambienceFactor);
        glUniform1f(glGetUniformLocation(program, "specPower"), m.lightingModel == 2 ? m.specPower : 1.0f);
        glUniform1f(glGetUniformLocation(program, "specIntensity"), m.lightingModel == 2 ? m.specIntensity : 0.0f);
        if (textured) glBindTexture(GL_TEXTURE_2D, static_cast<GlTexture*>(m.texture->texture)->name());
        glBindVertexArray(item.draw->vertexArray);
        glDrawElements(GL_TRIANGLES, item.draw->indexCount, GL_UNSIGNED_INT, nullptr);
    }
    glBindVertexArray(0);

    int w = 0, h = 0;
    SDL_GL_GetDrawableSize(window_, &w, &h);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, frameBuffer_);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glBlitFramebuffer(0, 0, 1024, 768, 0, 0, w, h, GL_COLOR_BUFFER_BIT,
                      w == 1024 && h == 768 ? GL_NEAREST : GL_LINEAR);
    SDL_GL_SwapWindow(window_);
    glDisable(GL_CULL_FACE);
    // The game's device expects its own back buffer bound.
    glBindFramebuffer(GL_FRAMEBUFFER, scene.device->backBufferFramebuffer());
}

std::vector<unsigned char> ReferenceRenderer::readFrame() const {
    std::vector<unsigned char> upsideDown(1024 * 768 * 4), rows(upsideDown.size());
    glBindFramebuffer(GL_READ_FRAMEBUFFER, frameBuffer_);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, 1024, 768, GL_RGBA, GL_UNSIGNED_BYTE, upsideDown.data());
    for (int row = 0; row < 768; ++row)
        std::copy_n(upsideDown.begin() + (767 - row) * 4096, 4096, rows.begin() + row * 4096);
    return rows;
}

void ReferenceRenderer::finish() { glFinish(); }
