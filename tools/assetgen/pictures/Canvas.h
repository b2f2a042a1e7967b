#pragma once
// A supersampled painting surface for the menu pictures and portraits: shapes are filled
// by inside tests at several samples per output pixel, then averaged down, so every edge
// comes out smooth without per-shape antialiasing code.
#include "Image.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

struct Colour {
    float r = 0, g = 0, b = 0, a = 1;
};

inline Colour rgb(int r, int g, int b, float a = 1.0f) { return {r / 255.0f, g / 255.0f, b / 255.0f, a}; }
inline Colour mixColour(const Colour& x, const Colour& y, float t)
{
    return {x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t, x.a + (y.a - x.a) * t};
}
inline Colour shade(const Colour& c, float f) { return {c.r * f, c.g * f, c.b * f, c.a}; }

struct Point {
    float x, y;
};

class Canvas {
public:
    // Shapes are given in output pixels; scale samples per pixel along each axis.
    Canvas(int width, int height, int scale);

    int width() const { return w; }
    int height() const { return h; }

    using Inside = std::function<bool(float x, float y)>;
    using Paint = std::function<Colour(float x, float y)>;

    // Blends paint over every sample in the box for which inside holds.
    void fill(float x0, float y0, float x1, float y1, const Inside& inside, const Paint& paint);
    void fillAll(const Paint& paint) { fill(0, 0, float(w), float(h), [](float, float) { return true; }, paint); }

    void ellipse(float cx, float cy, float rx, float ry, const Colour& c, float angle = 0);
    void ellipse(float cx, float cy, float rx, float ry, const Paint& p, float angle = 0);
    void rect(float x, float y, float rw, float rh, const Colour& c, float radius = 0);
    void rect(float x, float y, float rw, float rh, const Paint& p, float radius = 0);
    void polygon(const std::vector<Point>& pts, const Colour& c);
    void polygon(const std::vector<Point>& pts, const Paint& p);
    void line(Point a, Point b, float width, const Colour& c);
    // A quadratic curve drawn as a thick stroke (eyebrows, mouths, hair strands).
    void curve(Point a, Point control, Point b, float width, const Colour& c);
    // An arc of a ring between two angles (radians, 0 along +x, clockwise on screen).
    void ring(float cx, float cy, float r, float width, float a0, float a1, const Colour& c);

    Image downsample() const;

private:
    int w, h, s;
    std::vector<float> px;  // premultiplied rgb, per sample
};

// Text drawn with FreeType in DejaVu Sans Bold, for titles painted into the pictures.
// Returns false (after printing why) when the font cannot be loaded.
bool drawTitle(Canvas& canvas, const std::string& text, float centreX, float baselineY, float pixelHeight,
               const Canvas::Paint& paint, float outline = 0, const Colour& outlineColour = {});

// A small deterministic noise source for texture in pictures.
inline float hashNoise(int x, int y, int seed)
{
    unsigned n = unsigned(x) * 374761393u + unsigned(y) * 668265263u + unsigned(seed) * 2246822519u;
    n = (n ^ (n >> 13)) * 1274126177u;
    return float((n ^ (n >> 16)) & 0xFFFF) / 65535.0f;
}
