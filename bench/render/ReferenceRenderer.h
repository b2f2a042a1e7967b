#pragma once
// A plain, hand-written OpenGL 3.3 renderer of a given scene, the yardstick the game's own
// renderer is measured against: one vertex array per sub-mesh, two programs (lit, caster),
// state set once per frame, per-pixel diffuse and Blinn light with an optional texture, a
// 1024x1024 R32F distance map from the light sampled with a 2x2 filter, a 1024x768
// off-screen target blitted into the window. It draws the same vertex and index buffers,
// world matrices, camera and light as the game's frame, so both frames cost the same
// triangles and pixels; only the way of drawing them differs.
#include "core/math/Matrix4.h"

#include <vector>

class Renderer;
struct SDL_Window;

class ReferenceRenderer {
public:
    ReferenceRenderer() = default;
    ~ReferenceRenderer();
    ReferenceRenderer(const ReferenceRenderer&) = delete;
    ReferenceRenderer& operator=(const ReferenceRenderer&) = delete;

    // Builds programs and targets on the current context; false when they do not compile.
    bool create(SDL_Window* window);
    // Takes the game renderer's objects as they stand (vertex arrays are made once per
    // sub-mesh and kept; materials and matrices are read every frame).
    void drawFrame(const Renderer& scene, bool shadows);
    // The last frame, RGBA rows top first.
    std::vector<unsigned char> readFrame() const;
    // glFinish, for benchmarks that time parts of a frame.
    static void finish();

private:
    struct Draw {
        unsigned int vertexArray = 0;
        int indexCount = 0;
    };
    Draw& drawFor(const void* subMesh, unsigned int vertices, unsigned int indices, int stride,
                  int normalOffset, int uvOffset, int indexCount);

    SDL_Window* window_ = nullptr;
    // Lit programs by (textured ? 2 : 0) + (shadowed ? 1 : 0).
    unsigned int litPrograms_[4] = {};
    unsigned int casterProgram_ = 0;
    unsigned int frameBuffer_ = 0, colour_ = 0, depth_ = 0;
    unsigned int shadowBuffer_ = 0, shadowTexture_ = 0, shadowDepth_ = 0;
    std::vector<const void*> keys_;
    std::vector<Draw> draws_;
};
