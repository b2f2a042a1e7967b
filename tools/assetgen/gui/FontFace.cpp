#include "gui/FontFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdio>

FontFace::~FontFace() {
    if (face_) FT_Done_Face(static_cast<FT_Face>(face_));
    if (library_) FT_Done_FreeType(static_cast<FT_Library>(library_));
}

bool FontFace::open(const std::string& path) {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        std::fprintf(stderr, "assetgen: FreeType cannot start\n");
        return false;
    }
    library_ = library;
    FT_Face face = nullptr;
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0) {
        std::fprintf(stderr, "assetgen: cannot open font %s (install fonts-dejavu-core)\n", path.c_str());
        return false;
    }
    face_ = face;
    return true;
}

bool FontFace::setPixelSize(int pixels) {
    return face_ && FT_Set_Pixel_Sizes(static_cast<FT_Face>(face_), 0, static_cast<FT_UInt>(pixels)) == 0;
}

bool FontFace::render(char c, GlyphBitmap& out) {
    FT_Face face = static_cast<FT_Face>(face_);
    if (!face || FT_Load_Char(face, static_cast<unsigned char>(c), FT_LOAD_RENDER) != 0) return false;
    const FT_Bitmap& bm = face->glyph->bitmap;
    out.width = static_cast<int>(bm.width);
    out.rows = static_cast<int>(bm.rows);
    out.left = face->glyph->bitmap_left;
    out.top = face->glyph->bitmap_top;
    out.advance = static_cast<int>(face->glyph->advance.x >> 6);
    out.gray.assign(static_cast<size_t>(out.width) * out.rows, 0);
    for (int y = 0; y < out.rows; ++y)
        for (int x = 0; x < out.width; ++x)
            out.gray[static_cast<size_t>(y) * out.width + x] = bm.buffer[y * bm.pitch + x];
    return true;
}

int FontFace::textWidth(const std::string& text) {
    int w = 0;
    GlyphBitmap g;
    for (char c : text)
        if (render(c, g)) w += g.advance;
    return w;
}

void FontFace::drawText(Mask& mask, const std::string& text, int x, int baseline) {
    GlyphBitmap g;
    int pen = x;
    for (char c : text) {
        if (!render(c, g)) continue;
        for (int y = 0; y < g.rows; ++y)
            for (int gx = 0; gx < g.width; ++gx) {
                int mx = pen + g.left + gx, my = baseline - g.top + y;
                if (mx < 0 || my < 0 || mx >= mask.width || my >= mask.height) continue;
                mask.ref(mx, my) = std::min(1.0f, mask.ref(mx, my) + g.at(gx, y));
            }
        pen += g.advance;
    }
}
