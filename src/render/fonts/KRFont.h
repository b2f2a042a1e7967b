#pragma once
// A bitmap font: a texture of glyph pictures and the table that finds them. The Renderer's
// text operations measure and draw with it; the font itself draws nothing.
#include "render/fonts/Glyph.h"

#include <cstdint>
#include <vector>

struct TextureRecord;

class KRFont {
public:
    TextureRecord* texture = nullptr;
    int32_t spacing = 0;     // pixels added after every glyph
    int32_t spaceWidth = 0;  // advance, before spacing, of a character without a glyph
    int32_t lineHeight = 0;  // distance between lines of wrapped text
    std::vector<Glyph> glyphs;

    virtual ~KRFont() = default;

    // The glyph index of a character byte, or -1 when the character has no glyph.
    virtual int glyphIndex(unsigned char character) const = 0;

    // The glyph of a character; the empty glyph (all zero) when the character has none or
    // its index lies beyond this font's table, so such characters become blanks.
    Glyph glyphFor(char character) const;

    // Advance of one glyph: its width, or spaceWidth for a blank, plus spacing.
    int advance(const Glyph& g) const { return (g.width != 0 ? g.width : spaceWidth) + spacing; }
};
