#pragma once
// The glyph tables of the game's two bitmap fonts and the sizes of their pictures. This is
// the one place they are written down: the fonts read them at start-up and the asset
// generator paints each glyph into exactly its rectangle here.
//
// Row layout: digits and capitals stand on a common baseline at the bottom of an 11-pixel
// (small) or 32-pixel (big) box with yOffset 0; small letters carry a yOffset so that they
// sit on that same baseline when drawn at the capitals' y.
#include "render/fonts/Glyph.h"

#include <array>
#include <cstddef>

namespace FontTables {

inline constexpr const char* SmallTextureName = "pbfontsmall.png";
inline constexpr int SmallTextureWidth = 256;
inline constexpr int SmallTextureHeight = 64;
inline constexpr int SmallSpacing = 1;
inline constexpr int SmallSpaceWidth = 8;
inline constexpr int SmallLineHeight = 20;
inline constexpr int SmallCapitalHeight = 11;

inline constexpr const char* BigTextureName = "pbfontbig.png";
inline constexpr int BigTextureWidth = 256;
inline constexpr int BigTextureHeight = 256;
inline constexpr int BigSpacing = 3;
inline constexpr int BigSpaceWidth = 24;
inline constexpr int BigLineHeight = 0;  // the big font is never wrapped
inline constexpr int BigCapitalHeight = 32;

// The ten marks that follow the letters, in glyph order (indices 62 to 71).
inline constexpr char Marks[] = ".:-,!/)(?'";
inline constexpr int MarkCount = sizeof Marks - 1;

// The character a glyph index stands for (0 outside the set); the asset generator uses it
// to know which letter belongs in which rectangle.
constexpr char characterAt(int index) {
    if (index < 0) return 0;
    if (index < 10) return static_cast<char>('0' + index);
    if (index < 36) return static_cast<char>('A' + index - 10);
    if (index < 62) return static_cast<char>('a' + index - 36);
    if (index < 62 + MarkCount) return Marks[index - 62];
    return 0;
}

// Every table below: sourceX, sourceY, width, height, yOffset.

// Digits and capitals of the small font, indices 0 to 35.
inline constexpr Glyph kSmallDigitAndCapitalGlyphs[] = {
    {8, 36, 8, 11, 0},  // 0
    {0, 0, 7, 11, 0},  // 1
    {24, 0, 8, 11, 0},  // 2
    {33, 0, 8, 11, 0},  // 3
    {42, 0, 8, 11, 0},  // 4
    {51, 0, 8, 11, 0},  // 5
    {60, 0, 8, 11, 0},  // 6
    {69, 0, 8, 11, 0},  // 7
    {78, 0, 8, 11, 0},  // 8
    {87, 0, 8, 11, 0},  // 9
    {96, 0, 10, 11, 0},  // A
    {107, 0, 9, 11, 0},  // B
    {117, 0, 9, 11, 0},  // C
    {127, 0, 10, 11, 0},  // D
    {138, 0, 8, 11, 0},  // E
    {147, 0, 8, 11, 0},  // F
    {156, 0, 10, 11, 0},  // G
    {167, 0, 10, 11, 0},  // H
    {8, 0, 4, 11, 0},  // I
    {178, 0, 6, 11, 0},  // J
    {185, 0, 10, 11, 0},  // K
    {196, 0, 8, 11, 0},  // L
    {205, 0, 12, 11, 0},  // M
    {218, 0, 10, 11, 0},  // N
    {229, 0, 10, 11, 0},  // O
    {240, 0, 9, 11, 0},  // P
    {0, 14, 10, 11, 0},  // Q
    {11, 14, 10, 11, 0},  // R
    {22, 14, 9, 11, 0},  // S
    {32, 14, 9, 11, 0},  // T
    {42, 14, 10, 11, 0},  // U
    {53, 14, 10, 11, 0},  // V
    {64, 14, 14, 11, 0},  // W
    {79, 14, 10, 11, 0},  // X
    {90, 14, 10, 11, 0},  // Y
    {101, 14, 9, 11, 0},  // Z
};

// The small letters a to z (indices 36 to 61), written once for both fonts: the big font
// has no small letters of its own and reads these same rectangles of its picture, where
// they lie under its capitals.
inline constexpr Glyph kSmallLetterGlyphs[] = {
    {109, 36, 7, 8, 3},  // a
    {111, 14, 8, 11, 0},  // b
    {120, 14, 7, 8, 3},  // c
    {128, 14, 8, 11, 0},  // d
    {137, 14, 8, 8, 3},  // e
    {250, 0, 6, 11, 0},  // f
    {14, 0, 9, 12, 2},  // g
    {146, 14, 8, 11, 0},  // h
    {155, 14, 4, 11, 0},  // i
    {0, 36, 5, 14, 0},  // j
    {160, 14, 8, 11, 0},  // k
    {169, 14, 4, 11, 0},  // l
    {174, 14, 12, 8, 3},  // m
    {187, 14, 8, 8, 3},  // n
    {196, 14, 8, 8, 3},  // o
    {205, 14, 8, 11, 3},  // p
    {214, 14, 8, 11, 3},  // q
    {223, 14, 6, 8, 3},  // r
    {230, 14, 7, 8, 3},  // s
    {238, 14, 6, 10, 1},  // t
    {245, 14, 8, 8, 3},  // u
    {0, 26, 8, 8, 3},  // v
    {9, 26, 11, 8, 3},  // w
    {21, 26, 8, 8, 3},  // x
    {17, 36, 8, 11, 3},  // y
    {30, 26, 7, 8, 3},  // z
};

// The small font's marks (indices 62 to 71), in the order of Marks.
inline constexpr Glyph kSmallMarkGlyphs[] = {
    {116, 40, 6, 4, 8},  // .
    {38, 26, 4, 8, 3},  // :
    {43, 26, 5, 3, 5},  // -
    {49, 26, 4, 5, 8},  // ,
    {26, 36, 4, 11, 0},  // !
    {31, 36, 6, 12, 0},  // /
    {38, 36, 5, 13, 0},  // )
    {44, 36, 5, 13, 0},  // (
    {50, 36, 7, 11, 0},  // ?
    {8, 50, 4, 5, 0},  // '
};

// Digits and capitals of the big font in their own large pictures, indices 0 to 35.
inline constexpr Glyph kBigDigitAndCapitalGlyphs[] = {
    {125, 137, 25, 32, 0},  // 0
    {42, 0, 20, 32, 0},  // 1
    {64, 0, 25, 32, 0},  // 2
    {91, 0, 25, 32, 0},  // 3
    {118, 0, 25, 32, 0},  // 4
    {145, 0, 25, 32, 0},  // 5
    {172, 0, 25, 32, 0},  // 6
    {199, 0, 25, 32, 0},  // 7
    {0, 41, 25, 32, 0},  // 8
    {27, 41, 25, 32, 0},  // 9
    {124, 105, 27, 32, 0},  // A
    {54, 41, 25, 32, 0},  // B
    {147, 41, 25, 32, 0},  // C
    {174, 41, 27, 32, 0},  // D
    {203, 41, 22, 32, 0},  // E
    {81, 41, 21, 32, 0},  // F
    {227, 41, 27, 32, 0},  // G
    {0, 73, 27, 32, 0},  // H
    {241, 0, 7, 32, 0},  // I
    {29, 73, 15, 32, 0},  // J
    {46, 73, 27, 32, 0},  // K
    {75, 73, 21, 32, 0},  // L
    {98, 73, 33, 32, 0},  // M
    {133, 73, 27, 32, 0},  // N
    {162, 73, 28, 32, 0},  // O
    {192, 73, 24, 32, 0},  // P
    {13, 0, 27, 38, 0},  // Q
    {218, 73, 26, 32, 0},  // R
    {0, 105, 24, 32, 0},  // S
    {26, 105, 25, 32, 0},  // T
    {53, 105, 27, 32, 0},  // U
    {82, 105, 27, 32, 0},  // V
    {104, 41, 41, 32, 0},  // W
    {153, 105, 27, 32, 0},  // X
    {182, 105, 27, 32, 0},  // Y
    {211, 105, 24, 32, 0},  // Z
};

// The parts above one after the other, as one font's glyph table.
template <std::size_t... Counts>
constexpr std::array<Glyph, (Counts + ...)> glyphsInOrder(const Glyph (&... parts)[Counts]) {
    std::array<Glyph, (Counts + ...)> all{};
    const Glyph* starts[] = {parts...};
    const std::size_t counts[] = {Counts...};
    std::size_t next = 0;
    for (std::size_t part = 0; part < sizeof...(Counts); ++part)
        for (std::size_t i = 0; i < counts[part]; ++i) all[next++] = starts[part][i];
    return all;
}

// Indexed by BasicFont's glyph index.
inline constexpr auto kSmallFontGlyphs = glyphsInOrder(kSmallDigitAndCapitalGlyphs, kSmallLetterGlyphs, kSmallMarkGlyphs);
inline constexpr auto kBigFontGlyphs = glyphsInOrder(kBigDigitAndCapitalGlyphs, kSmallLetterGlyphs);

inline constexpr int SmallGlyphCount = static_cast<int>(kSmallFontGlyphs.size());
inline constexpr int BigGlyphCount = static_cast<int>(kBigFontGlyphs.size());
static_assert(SmallGlyphCount == 72, "the small font covers the whole character set");
static_assert(BigGlyphCount == 62, "the big font has no punctuation");

}  // namespace FontTables
