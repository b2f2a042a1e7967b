#pragma once
// A FreeType face for the generated pictures: glyph coverage bitmaps and text masks.
#include "gui/Mask.h"

#include <cstdint>
#include <string>
#include <vector>

inline constexpr const char* GuiFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

struct GlyphBitmap {
    int width = 0;
    int rows = 0;
    int left = 0;     // pen to the bitmap's left edge
    int top = 0;      // baseline to the bitmap's top row (up is positive)
    int advance = 0;  // pixels
    std::vector<uint8_t> gray;
    float at(int x, int y) const {
        return (x < 0 || y < 0 || x >= width || y >= rows) ? 0.0f : gray[static_cast<size_t>(y) * width + x] / 255.0f;
    }
};

class FontFace {
public:
    FontFace() = default;
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // Opens the face; prints the reason and returns false when it cannot.
    bool open(const std::string& path);
    bool setPixelSize(int pixels);
    bool render(char c, GlyphBitmap& out);
    int textWidth(const std::string& text);
    // Adds the coverage of text into the mask, pen starting at x on the given baseline.
    void drawText(Mask& mask, const std::string& text, int x, int baseline);

private:
    void* library_ = nullptr;
    void* face_ = nullptr;
};
