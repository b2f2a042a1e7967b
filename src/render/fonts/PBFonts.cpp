#include "render/fonts/GlyphTables.h"
#include "render/fonts/PBFontBig.h"
#include "render/fonts/PBFontSmall.h"

#include <iterator>

PBFontSmall::PBFontSmall(TextureRecord* glyphTexture) {
    texture = glyphTexture;
    spacing = FontTables::SmallSpacing;
    spaceWidth = FontTables::SmallSpaceWidth;
    lineHeight = FontTables::SmallLineHeight;
    glyphs.assign(std::begin(FontTables::kSmallFontGlyphs), std::end(FontTables::kSmallFontGlyphs));
}

PBFontBig::PBFontBig(TextureRecord* glyphTexture) {
    texture = glyphTexture;
    spacing = FontTables::BigSpacing;
    spaceWidth = FontTables::BigSpaceWidth;
    lineHeight = FontTables::BigLineHeight;
    glyphs.assign(std::begin(FontTables::kBigFontGlyphs), std::end(FontTables::kBigFontGlyphs));
}
