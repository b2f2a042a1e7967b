#pragma once
// Measuring and laying out text in a bitmap font, glyph by glyph. The Renderer's text
// operations hand every glyph to a GlyphPainter that turns it into a sprite; keeping the
// layout apart lets it run (and be checked) without any graphics device.
#include "render/fonts/KRFont.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class GlyphPainter {
public:
    virtual ~GlyphPainter() = default;
    // Draw glyph g of font with its top-left corner at (x, y), tinted with colour.
    virtual void paintGlyph(const KRFont& font, const Glyph& g, int x, int y, std::uint32_t colour) = 0;
};

namespace TextLayout {

// Widest line a wrapped text may have on a line the list of widths does not cover.
inline constexpr int UnlimitedLineWidth = 50000;

int textWidth(const KRFont& font, const std::string& text);
int textWidthWithoutBrackets(const KRFont& font, const std::string& text);
// How many leading characters of text fit in maxWidth pixels (as textWidth measures them),
// found in one pass that stops at the first character past the edge, so a name of any
// length costs no more than the part of it that is shown.
std::size_t fittingLength(const KRFont& font, const std::string& text, int maxWidth);

void drawText(GlyphPainter& painter, const KRFont& font, const std::string& text, int x, int y,
              std::uint32_t colour);
// '[' switches to the highlight colour and ']' back to normal; neither is drawn.
void drawTwoColourText(GlyphPainter& painter, const KRFont& font, const std::string& text, int x,
                       int y, std::uint32_t normal, std::uint32_t highlight);
// Breaks the text into lines of at most lineWidths[n] pixels (UnlimitedLineWidth beyond the
// list) and at line feeds, each line drawn as two-colour text lineHeight pixels below the last.
void drawWrappedText(GlyphPainter& painter, const KRFont& font, const std::string& text, int x,
                     int y, std::uint32_t normal, std::uint32_t highlight,
                     const std::vector<int>& lineWidths);

}  // namespace TextLayout
