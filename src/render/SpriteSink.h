#pragma once
// Where every 2D primitive ends: one textured, tinted quad in 1024x768 screen pixels with
// the origin at the top left. The game's sink is the GL sprite batcher; tests record.
#include <cstdint>

struct TextureRecord;

struct SpriteDraw {
    TextureRecord* texture;        // may be null: the GL sink skips it, recorders see it
    int srcX, srcY, srcW, srcH;    // source rectangle in texture pixels
    float dstX, dstY, dstW, dstH;  // destination rectangle in screen pixels
    std::uint32_t colour;          // ARGB tint, 0xFFFFFFFF = untinted
};

class SpriteSink {
public:
    virtual ~SpriteSink() = default;
    virtual void drawSprite(const SpriteDraw& d) = 0;
};
