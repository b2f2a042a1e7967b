#pragma once
// The small font: all menu texts, buttons, lists and wrapped help texts.
#include "render/fonts/BasicFont.h"

class PBFontSmall : public BasicFont {
public:
    explicit PBFontSmall(TextureRecord* glyphTexture);
};
