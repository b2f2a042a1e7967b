#pragma once
// Textured, tinted quads in 1024x768 pixels with the origin at the top left, alpha
// blended; consecutive quads of one texture become one draw call. The 1024x768 screen is
// placed in the picture the device draws on (1:1 as designed, or scaled into a larger
// picture, where images are magnified sharply, and a solid colour laid over the whole
// screen covers the whole picture).
#include <cstdint>
#include <vector>

class DeviceTexture;

class SpriteBatcher {
public:
    SpriteBatcher();
    ~SpriteBatcher();
    SpriteBatcher(const SpriteBatcher&) = delete;
    SpriteBatcher& operator=(const SpriteBatcher&) = delete;

    bool create();  // GL objects; false when the shaders did not build
    void begin();
    void draw(DeviceTexture* texture, int sx, int sy, int sw, int sh, float dx, float dy,
              float dw, float dh, std::uint32_t argb);
    void end();
    // Where the 1024x768 screen lies in a picture of that size, in its pixels (top-down).
    void setPlacement(int pictureWidth, int pictureHeight, int left, int top, int width, int height);
    void onLostDevice();
    void onResetDevice();
    int drawCallsLastBatch() const { return drawCalls_; }

private:
    struct Vertex {
        float x, y, u, v;
        std::uint32_t rgba;
    };
    void flush();
    void release();
    void applyPlacement();
    struct Placement {
        int pictureWidth = 1024, pictureHeight = 768, left = 0, top = 0, width = 1024, height = 768;
    };
    Placement placement_;
    int placementUniform_ = -1;
    int halfPictureUniform_ = -1;
    int sharpUniform_ = -1;

    std::vector<Vertex> vertices_;
    DeviceTexture* batchTexture_ = nullptr;
    unsigned int program_ = 0;
    unsigned int vertexArray_ = 0;
    unsigned int vertexBuffer_ = 0;
    unsigned int indexBuffer_ = 0;
    int drawCalls_ = 0;
    int writtenVertices_ = 0;  // vertices already in the GL buffer since it was last orphaned
    bool inBatch_ = false;
};
