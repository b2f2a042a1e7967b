#pragma once
// Coverage masks and antialiased shapes for the GUI pictures. A Mask holds coverage in
// [0, 1] per pixel; shapes are rendered with 4x4 supersampling so their edges are smooth.
#include "Image.h"

#include <functional>
#include <vector>

struct Mask {
    int width = 0;
    int height = 0;
    std::vector<float> value;

    Mask(int w, int h) : width(w), height(h), value(static_cast<size_t>(w) * h, 0.0f) {}
    float at(int x, int y) const {
        return (x < 0 || y < 0 || x >= width || y >= height) ? 0.0f : value[static_cast<size_t>(y) * width + x];
    }
    float& ref(int x, int y) { return value[static_cast<size_t>(y) * width + x]; }
};

using InsideTest = std::function<bool(float x, float y)>;
using ColourAt = std::function<Rgba(float x, float y)>;

// Coverage of an inside test over the pixels of [x0, x1) x [y0, y1), added into the mask.
void addShape(Mask& mask, int x0, int y0, int x1, int y1, const InsideTest& inside);
// Blends colour(x, y) into the image at (ox, oy) + mask position with the mask's coverage.
void paintMask(Image& image, const Mask& mask, int ox, int oy, const ColourAt& colour);
// The mask grown by radius pixels (round brush), for outlines and glows.
Mask dilate(const Mask& mask, int radius);
// Box blur of the given radius, for soft shadows.
Mask blur(const Mask& mask, int radius);

// Antialiased shapes painted straight into an image.
void fillShape(Image& image, int x0, int y0, int x1, int y1, const InsideTest& inside, const ColourAt& colour);
void fillCircle(Image& image, float cx, float cy, float r, Rgba colour);
void fillRoundRect(Image& image, float x0, float y0, float x1, float y1, float radius, const ColourAt& colour);
bool insideRoundRect(float x, float y, float x0, float y0, float x1, float y1, float radius);

Rgba mix(Rgba a, Rgba b, float t);
Rgba rgb(int r, int g, int b, int a = 255);

struct Point {
    float x, y;
};
// Even-odd point in polygon test.
bool insidePolygon(const std::vector<Point>& polygon, float x, float y);
