#include "render/fonts/TextLayout.h"

namespace TextLayout {

namespace {

bool isBracket(char c) { return c == '[' || c == ']'; }

bool isWordSeparator(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

int lineLimit(const std::vector<int>& lineWidths, size_t line) {
    return line < lineWidths.size() ? lineWidths[line] : UnlimitedLineWidth;
}

struct Word {
    std::string text;
    char followedBy;  // the first whitespace character after the word
};

std::vector<Word> splitWords(const std::string& text) {
    std::vector<Word> words;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isWordSeparator(text[i])) ++i;
        size_t start = i;
        while (i < text.size() && !isWordSeparator(text[i])) ++i;
        if (i == start) break;
        words.push_back({text.substr(start, i - start), i < text.size() ? text[i] : '\n'});
    }
    // The text's end closes its last line whatever whitespace trails it.
    if (!words.empty()) words.back().followedBy = '\n';
    return words;
}

}  // namespace

int textWidth(const KRFont& font, const std::string& text) {
    int width = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        Glyph g = font.glyphFor(text[i]);
        width += g.width != 0 ? g.width : font.spaceWidth;
        if (i + 1 < text.size()) width += font.spacing;
    }
    return width;
}

int textWidthWithoutBrackets(const KRFont& font, const std::string& text) {
    int width = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (isBracket(text[i])) continue;
        Glyph g = font.glyphFor(text[i]);
        width += g.width != 0 ? g.width : font.spaceWidth;
        // Only the last character of the whole text goes without spacing, so a text that
        // ends in ']' keeps the spacing after its last visible glyph.
        if (i + 1 < text.size()) width += font.spacing;
    }
    return width;
}

std::size_t fittingLength(const KRFont& font, const std::string& text, int maxWidth) {
    long width = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        Glyph g = font.glyphFor(text[i]);
        // The spacing before this character belongs to its neighbour on the left.
        width += (g.width != 0 ? g.width : font.spaceWidth) + (i > 0 ? font.spacing : 0);
        if (width > maxWidth) return i;
    }
    return text.size();
}

void drawText(GlyphPainter& painter, const KRFont& font, const std::string& text, int x, int y,
              std::uint32_t colour) {
    int pen = x;
    for (char c : text) {
        Glyph g = font.glyphFor(c);
        if (g.width != 0) painter.paintGlyph(font, g, pen, y + g.yOffset, colour);
        pen += font.advance(g);
    }
}

void drawTwoColourText(GlyphPainter& painter, const KRFont& font, const std::string& text, int x,
                       int y, std::uint32_t normal, std::uint32_t highlight) {
    int pen = x;
    std::uint32_t colour = normal;
    for (char c : text) {
        if (c == '[') {
            colour = highlight;
            continue;
        }
        if (c == ']') {
            colour = normal;
            continue;
        }
        Glyph g = font.glyphFor(c);
        if (g.width != 0) painter.paintGlyph(font, g, pen, y + g.yOffset, colour);
        pen += font.advance(g);
    }
}

void drawWrappedText(GlyphPainter& painter, const KRFont& font, const std::string& text, int x,
                     int y, std::uint32_t normal, std::uint32_t highlight,
                     const std::vector<int>& lineWidths) {
    std::string line;
    size_t n = 0;
    int w = 0;
    int m = lineLimit(lineWidths, 0);
    auto drawLine = [&] {
        drawTwoColourText(painter, font, line, x, y + font.lineHeight * static_cast<int>(n), normal,
                          highlight);
    };
    for (const Word& word : splitWords(text)) {
        int ww = textWidthWithoutBrackets(font, word.text) + font.spacing;
        if (w + ww < m) {
            line += word.text;
            w = w + ww + font.spaceWidth;
        } else {
            drawLine();
            line = word.text;
            ++n;
            m = lineLimit(lineWidths, n);
            w = ww;  // a word that opens a line is not charged the space after it
        }
        if (word.followedBy == '\n') {
            drawLine();
            line.clear();
            ++n;
            m = lineLimit(lineWidths, n);
            w = 0;
        } else {
            line += ' ';
        }
    }
    drawLine();
}

}  // namespace TextLayout
