#pragma once
// The game's sprite sink: hands quads to the GL batcher, passing over missing textures.
#include "render/SpriteSink.h"

class SpriteBatcher;

class BatcherSpriteSink : public SpriteSink {
public:
    explicit BatcherSpriteSink(SpriteBatcher* batcher) : batcher_(batcher) {}
    void drawSprite(const SpriteDraw& d) override;

private:
    SpriteBatcher* batcher_;
};
