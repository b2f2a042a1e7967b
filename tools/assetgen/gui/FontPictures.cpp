// The two font pictures: every glyph of the game's glyph tables rasterised from DejaVu Sans
// Bold and fitted into its rectangle, white on transparent so the text tint colours it.
#include "Generator.h"
#include "Image.h"
#include "gui/FontFace.h"
#include "render/fonts/GlyphTables.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace {

constexpr int kSuper = 4;  // glyphs are rendered this many times larger and averaged down

// Pixel size at which capitals are capHeight high after reduction.
int pixelSizeForCapitals(FontFace& face, int capHeight) {
    face.setPixelSize(100);
    GlyphBitmap h;
    if (!face.render('H', h) || h.rows == 0) return capHeight * kSuper;
    return static_cast<int>(std::lround(100.0 * capHeight * kSuper / h.rows));
}

// Fits one glyph into its rectangle: the ink is squeezed (never widened) to the rectangle's
// width and centred; vertically it stands on the capitals' baseline, which lies
// capHeight - yOffset rows below the rectangle's top. Ink taller than the rectangle is
// shrunk, and the overshoot of round letters is pushed back inside.
void paintGlyph(Image& image, const Glyph& g, const GlyphBitmap& ink, int capHeight) {
    if (ink.width == 0 || ink.rows == 0 || g.width <= 0 || g.height <= 0) return;
    const float baseline = float((capHeight - g.yOffset) * kSuper);
    const float rectW = float(g.width * kSuper), rectH = float(g.height * kSuper);
    float sy = std::min(1.0f, rectH / float(ink.rows));
    float inkTop = std::clamp(baseline - float(ink.top) * sy, 0.0f, rectH - float(ink.rows) * sy);
    float sx = std::min(sy, rectW / float(ink.width));
    float offsetX = (rectW - float(ink.width) * sx) / 2.0f;
    for (int py = 0; py < g.height; ++py)
        for (int px = 0; px < g.width; ++px) {
            float sum = 0.0f;
            for (int j = 0; j < kSuper; ++j)
                for (int i = 0; i < kSuper; ++i) {
                    float hx = (float(px * kSuper + i) + 0.5f - offsetX) / sx;
                    float hy = (float(py * kSuper + j) + 0.5f - inkTop) / sy;
                    sum += ink.at(int(std::floor(hx)), int(std::floor(hy)));
                }
            float coverage = sum / float(kSuper * kSuper);
            if (coverage > 0.0f)
                image.set(g.sourceX + px, g.sourceY + py,
                          {255, 255, 255, uint8_t(std::lround(std::min(1.0f, coverage) * 255.0f))});
        }
}

bool writeFont(FontFace& face, const Glyph* glyphs, int count, int capHeight, int width, int height,
               const std::string& path) {
    Image image(width, height);
    face.setPixelSize(pixelSizeForCapitals(face, capHeight));
    GlyphBitmap ink;
    for (int i = 0; i < count; ++i)
        if (face.render(FontTables::characterAt(i), ink)) paintGlyph(image, glyphs[i], ink, capHeight);
    return savePng(image, path);
}

bool generateFonts(const std::string& resourcesDir) {
    FontFace face;
    if (!face.open(GuiFontPath)) return false;
    using namespace FontTables;
    const std::string dir = resourcesDir + "/textures/";
    // The big font paints its digits and capitals only: its small-letter entries share the
    // small font's rectangles, which in this picture lie under the capitals.
    constexpr int bigPainted = static_cast<int>(std::size(kBigDigitAndCapitalGlyphs));
    return writeFont(face, kSmallFontGlyphs.data(), SmallGlyphCount, SmallCapitalHeight, SmallTextureWidth,
                     SmallTextureHeight, dir + SmallTextureName) &&
           writeFont(face, kBigFontGlyphs.data(), bigPainted, BigCapitalHeight, BigTextureWidth, BigTextureHeight,
                     dir + BigTextureName);
}

}  // namespace

PITCHBAR_ASSET_GENERATOR("fonts", generateFonts);
