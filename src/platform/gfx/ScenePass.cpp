#include "platform/gfx/ScenePass.h"

#include "core/ErrorLog.h"
#include "platform/gfx/ShaderProgram.h"

#include <epoxy/gl.h>

#include <string>

namespace {

// One triangle over the whole viewport; uv runs 0..1 over it.
const char* kVertexSource = R"(#version 330 core
out vec2 uv;
void main() {
    vec2 corner = vec2(float((gl_VertexID << 1) & 2), float(gl_VertexID & 2));
    uv = corner;
    gl_Position = vec4(corner * 2.0 - 1.0, 0.0, 1.0);
}
)";

const char* kFragmentSource = R"(
in vec2 uv;
uniform sampler2D scene;
uniform vec2 texel;  // one scene pixel in texture units
out vec4 colour;

float luma(vec3 c) { return dot(c, vec3(0.299, 0.587, 0.114)); }

void main() {
#if defined(SMOOTH_EDGES)
    // The pixel and its four next ones, read whole: the brightness steps around it. (A
    // software renderer runs both sides of a branch, so every read counts for every pixel:
    // five plain reads and four filtered ones in all.)
    ivec2 size = textureSize(scene, 0);
    ivec2 p = clamp(ivec2(uv * vec2(size)), ivec2(1), size - 2);
#if defined(SAME_SIZE)
    vec3 middle = texelFetch(scene, p, 0).rgb;
#else
    vec3 middle = texture(scene, uv).rgb;
#endif
    float n = luma(texelFetch(scene, p + ivec2(0, 1), 0).rgb);
    float s = luma(texelFetch(scene, p - ivec2(0, 1), 0).rgb);
    float e = luma(texelFetch(scene, p + ivec2(1, 0), 0).rgb);
    float w = luma(texelFetch(scene, p - ivec2(1, 0), 0).rgb);
    float m = luma(middle);
    float lowest = min(m, min(min(n, s), min(e, w)));
    float highest = max(m, max(max(n, s), max(e, w)));
    // Along the edge, across the brightness gradient; the shorter its component, the
    // further the blend reaches along the edge (a nearly level edge has long stair steps).
    vec2 along = vec2(-(n - s), w - e);
    float reduce = max((n + s + e + w) * (0.25 / 8.0), 1.0 / 128.0);
    float scale = 1.0 / (min(abs(along.x), abs(along.y)) + reduce);
    along = clamp(along * scale, vec2(-8.0), vec2(8.0)) * texel;
    vec3 near = 0.5 * (texture(scene, uv - along * (1.0 / 6.0)).rgb +
                       texture(scene, uv + along * (1.0 / 6.0)).rgb);
    vec3 far = near * 0.5 + 0.25 * (texture(scene, uv - along * 0.5).rgb +
                                    texture(scene, uv + along * 0.5).rgb);
    // The wide blend may reach past the edge into other colours: then the narrow one.
    float f = luma(far);
    vec3 smoothed = (f < lowest || f > highest) ? near : far;
    // No edge worth smoothing (most of the table): the pixel as it is.
    bool edge = highest - lowest >= max(0.0625, highest * 0.125);
    colour = vec4(edge ? smoothed : middle, 1.0);
#else
    colour = vec4(texture(scene, uv).rgb, 1.0);
#endif
}
)";

bool build(const std::string& defines, unsigned int& program) {
    std::string errors;
    GLuint vs = 0, fs = 0;
    const std::string fragment = "#version 330 core\n" + defines + kFragmentSource;
    if (!compileShader(GL_VERTEX_SHADER, kVertexSource, vs, errors) ||
        !compileShader(GL_FRAGMENT_SHADER, fragment, fs, errors) || !linkProgram(vs, fs, program, errors)) {
        if (vs) glDeleteShader(vs);
        if (fs) glDeleteShader(fs);
        logError("scene pass shaders: " + errors);
        return false;
    }
    glDeleteShader(vs);
    glDeleteShader(fs);
    glUseProgram(program);
    glUniform1i(glGetUniformLocation(program, "scene"), 0);
    return true;
}

}  // namespace

ScenePass::~ScenePass() {
    if (copyProgram_) glDeleteProgram(copyProgram_);
    if (smoothProgram_) glDeleteProgram(smoothProgram_);
    if (smoothScaledProgram_) glDeleteProgram(smoothScaledProgram_);
    if (vertexArray_) glDeleteVertexArrays(1, &vertexArray_);
}

bool ScenePass::create() {
    if (!build("", copyProgram_) || !build("#define SMOOTH_EDGES 1\n", smoothScaledProgram_) ||
        !build("#define SMOOTH_EDGES 1\n#define SAME_SIZE 1\n", smoothProgram_))
        return false;
    glGenVertexArrays(1, &vertexArray_);
    return true;
}

void ScenePass::draw(unsigned int sceneTexture, int sceneWidth, int sceneHeight, bool smoothEdges) {
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    const bool sameSize = viewport[2] == sceneWidth && viewport[3] == sceneHeight;
    const unsigned int program = !smoothEdges ? copyProgram_ : sameSize ? smoothProgram_ : smoothScaledProgram_;
    if (!program || sceneWidth <= 0 || sceneHeight <= 0) return;
    glDisable(GL_DEPTH_TEST);
    glDepthMask(GL_FALSE);
    glDisable(GL_BLEND);
    glDisable(GL_CULL_FACE);
    glUseProgram(program);
    glUniform2f(glGetUniformLocation(program, "texel"), 1.0f / static_cast<float>(sceneWidth),
                1.0f / static_cast<float>(sceneHeight));
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, sceneTexture);
    glBindVertexArray(vertexArray_);
    glDrawArrays(GL_TRIANGLES, 0, 3);
    glBindVertexArray(0);
    glDepthMask(GL_TRUE);
    glEnable(GL_DEPTH_TEST);
}
