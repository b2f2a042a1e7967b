#pragma once
// A sprite sink that keeps every quad it is given, for tests of 2D drawing without a device.
#include "render/SpriteSink.h"

#include <vector>

class RecordingSpriteSink : public SpriteSink {
public:
    std::vector<SpriteDraw> draws;
    void drawSprite(const SpriteDraw& d) override { draws.push_back(d); }
    void clear() { draws.clear(); }
};
