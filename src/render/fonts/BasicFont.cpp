#include "render/fonts/BasicFont.h"

#include "render/fonts/GlyphTables.h"

int BasicFont::glyphIndex(unsigned char c) const {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'Z') return 10 + (c - 'A');
    if (c >= 'a' && c <= 'z') return 36 + (c - 'a');
    for (int i = 0; i < FontTables::MarkCount; ++i)
        if (static_cast<unsigned char>(FontTables::Marks[i]) == c) return 62 + i;
    return -1;
}
