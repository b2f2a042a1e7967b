#include "render/fonts/KRFont.h"

#include <cstddef>

Glyph KRFont::glyphFor(char character) const {
    int index = glyphIndex(static_cast<unsigned char>(character));
    if (index < 0 || index >= static_cast<int>(glyphs.size())) return Glyph{};
    return glyphs[static_cast<size_t>(index)];
}
