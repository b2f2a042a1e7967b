#pragma once
// The big font: screen titles and the match announcements. It has no punctuation glyphs,
// so marks drawn with it come out as blanks.
#include "render/fonts/BasicFont.h"

class PBFontBig : public BasicFont {
public:
    explicit PBFontBig(TextureRecord* glyphTexture);
};
