#pragma once
// An 8-bit RGBA picture that generators paint into and save as PNG.
#include <cstdint>
#include <string>
#include <vector>

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 0;
};

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;  // row-major, top row first, 4 bytes per pixel

    Image() = default;
    Image(int w, int h, Rgba fill = {});

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Rgba get(int x, int y) const;
    void set(int x, int y, Rgba c);
    // Source-over blend of c with extra coverage in [0, 1].
    void blend(int x, int y, Rgba c, float coverage = 1.0f);
    void fillRect(int x, int y, int w, int h, Rgba c);
    // Copies src into this image with its top-left corner at (x, y), clipped.
    void paste(const Image& src, int x, int y);
};

// Writes the image as PNG, creating the folder; prints the reason on failure.
bool savePng(const Image& image, const std::string& path);
