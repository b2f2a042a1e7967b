#pragma once
// The game's character set of 72 glyphs: digits, capitals, small letters and ten marks.
#include "render/fonts/KRFont.h"

class BasicFont : public KRFont {
public:
    // Number of characters the set knows; a font's table may hold fewer.
    static constexpr int CharacterCount = 72;

    int glyphIndex(unsigned char character) const override;
};
