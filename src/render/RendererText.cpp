// The Renderer's text operations: the font layout turned into one atlas draw per glyph.
#include "render/Renderer.h"

#include "render/fonts/TextLayout.h"

namespace {

class RendererGlyphPainter : public GlyphPainter {
public:
    explicit RendererGlyphPainter(Renderer& renderer) : renderer_(renderer) {}
    void paintGlyph(const KRFont& font, const Glyph& g, int x, int y, std::uint32_t colour) override {
        renderer_.drawImage(AtlasImage{font.texture, g.sourceX, g.sourceY, g.width, g.height}, x, y, colour);
    }

private:
    Renderer& renderer_;
};

}  // namespace

// A missing font (start-up not finished) measures 0 and draws nothing.

int Renderer::textWidth(KRFont* font, const std::string& text) {
    return font ? TextLayout::textWidth(*font, text) : 0;
}

int Renderer::textWidthWithoutBrackets(KRFont* font, const std::string& text) {
    return font ? TextLayout::textWidthWithoutBrackets(*font, text) : 0;
}

void Renderer::drawText(KRFont* font, const std::string& text, int x, int y, std::uint32_t colour) {
    if (!font) return;
    RendererGlyphPainter painter(*this);
    TextLayout::drawText(painter, *font, text, x, y, colour);
}

void Renderer::drawTwoColourText(KRFont* font, const std::string& text, int x, int y, std::uint32_t normal,
                                 std::uint32_t highlight) {
    if (!font) return;
    RendererGlyphPainter painter(*this);
    TextLayout::drawTwoColourText(painter, *font, text, x, y, normal, highlight);
}

void Renderer::drawWrappedText(KRFont* font, const std::string& text, int x, int y, std::uint32_t normal,
                               std::uint32_t highlight, const std::vector<int>& lineWidths) {
    if (!font) return;
    RendererGlyphPainter painter(*this);
    TextLayout::drawWrappedText(painter, *font, text, x, y, normal, highlight, lineWidths);
}
