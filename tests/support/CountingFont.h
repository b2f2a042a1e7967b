#pragma once
// The small font, counting how many characters it has been asked about: the work that
// measuring or fitting a text does, counted rather than timed.
#include "render/fonts/PBFontSmall.h"

struct CountingFont : PBFontSmall {
    explicit CountingFont(TextureRecord* texture = nullptr) : PBFontSmall(texture) {}
    mutable long lookups = 0;
    int glyphIndex(unsigned char character) const override {
        ++lookups;
        return PBFontSmall::glyphIndex(character);
    }
};
