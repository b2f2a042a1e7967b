#include "pictures/Canvas.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdio>

Canvas::Canvas(int width, int height, int scale)
    : w(width), h(height), s(scale), px(size_t(width) * scale * height * scale * 3, 0.0f)
{
}

void Canvas::fill(float x0, float y0, float x1, float y1, const Inside& inside, const Paint& paint)
{
    const int sx0 = std::max(0, int(std::floor(x0 * s)));
    const int sy0 = std::max(0, int(std::floor(y0 * s)));
    const int sx1 = std::min(w * s, int(std::ceil(x1 * s)));
    const int sy1 = std::min(h * s, int(std::ceil(y1 * s)));
    const float inv = 1.0f / float(s);
    for (int j = sy0; j < sy1; ++j) {
        const float y = (float(j) + 0.5f) * inv;
        for (int i = sx0; i < sx1; ++i) {
            const float x = (float(i) + 0.5f) * inv;
            if (!inside(x, y))
                continue;
            const Colour c = paint(x, y);
            const float a = std::clamp(c.a, 0.0f, 1.0f);
            float* p = &px[(size_t(j) * w * s + i) * 3];
            p[0] = p[0] * (1 - a) + c.r * a;
            p[1] = p[1] * (1 - a) + c.g * a;
            p[2] = p[2] * (1 - a) + c.b * a;
        }
    }
}

void Canvas::ellipse(float cx, float cy, float rx, float ry, const Colour& c, float angle)
{
    ellipse(cx, cy, rx, ry, [c](float, float) { return c; }, angle);
}

void Canvas::ellipse(float cx, float cy, float rx, float ry, const Paint& p, float angle)
{
    const float r = std::max(rx, ry);
    const float ca = std::cos(angle), sa = std::sin(angle);
    fill(cx - r, cy - r, cx + r, cy + r,
         [=](float x, float y) {
             const float dx = x - cx, dy = y - cy;
             const float u = (dx * ca + dy * sa) / rx, v = (-dx * sa + dy * ca) / ry;
             return u * u + v * v <= 1.0f;
         },
         p);
}

void Canvas::rect(float x, float y, float rw, float rh, const Colour& c, float radius)
{
    rect(x, y, rw, rh, [c](float, float) { return c; }, radius);
}

void Canvas::rect(float x, float y, float rw, float rh, const Paint& p, float radius)
{
    fill(x, y, x + rw, y + rh,
         [=](float px_, float py_) {
             const float qx = std::max(std::max(x + radius - px_, px_ - (x + rw - radius)), 0.0f);
             const float qy = std::max(std::max(y + radius - py_, py_ - (y + rh - radius)), 0.0f);
             return qx * qx + qy * qy <= radius * radius + 1e-6f;
         },
         p);
}

void Canvas::polygon(const std::vector<Point>& pts, const Colour& c)
{
    polygon(pts, [c](float, float) { return c; });
}

void Canvas::polygon(const std::vector<Point>& pts, const Paint& p)
{
    if (pts.size() < 3)
        return;
    float x0 = pts[0].x, x1 = x0, y0 = pts[0].y, y1 = y0;
    for (const Point& q : pts) {
        x0 = std::min(x0, q.x);
        x1 = std::max(x1, q.x);
        y0 = std::min(y0, q.y);
        y1 = std::max(y1, q.y);
    }
    fill(x0, y0, x1, y1,
         [pts](float x, float y) {
             bool in = false;
             for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
                 const Point& a = pts[i];
                 const Point& b = pts[j];
                 if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
                     in = !in;
             }
             return in;
         },
         p);
}

void Canvas::line(Point a, Point b, float width, const Colour& c)
{
    const float r = width * 0.5f;
    const float dx = b.x - a.x, dy = b.y - a.y;
    const float len2 = std::max(dx * dx + dy * dy, 1e-6f);
    fill(std::min(a.x, b.x) - r, std::min(a.y, b.y) - r, std::max(a.x, b.x) + r, std::max(a.y, b.y) + r,
         [=](float x, float y) {
             const float t = std::clamp(((x - a.x) * dx + (y - a.y) * dy) / len2, 0.0f, 1.0f);
             const float ex = x - (a.x + t * dx), ey = y - (a.y + t * dy);
             return ex * ex + ey * ey <= r * r;
         },
         [c](float, float) { return c; });
}

void Canvas::curve(Point a, Point control, Point b, float width, const Colour& c)
{
    // Drawn as a chain of short capsules along the curve; overlapping joints blend once
    // per capsule, which is invisible for opaque strokes.
    const int steps = 16;
    Point prev = a;
    for (int i = 1; i <= steps; ++i) {
        const float t = float(i) / steps;
        const float u = 1 - t;
        const Point q{u * u * a.x + 2 * u * t * control.x + t * t * b.x,
                      u * u * a.y + 2 * u * t * control.y + t * t * b.y};
        line(prev, q, width, c);
        prev = q;
    }
}

void Canvas::ring(float cx, float cy, float r, float width, float a0, float a1, const Colour& c)
{
    const float outer = r + width * 0.5f, inner = r - width * 0.5f;
    fill(cx - outer, cy - outer, cx + outer, cy + outer,
         [=](float x, float y) {
             const float dx = x - cx, dy = y - cy;
             const float d2 = dx * dx + dy * dy;
             if (d2 > outer * outer || d2 < inner * inner)
                 return false;
             float ang = std::atan2(dy, dx);
             while (ang < a0)
                 ang += 6.2831853f;
             return ang <= a1;
         },
         [c](float, float) { return c; });
}

Image Canvas::downsample() const
{
    Image out(w, h, Rgba{0, 0, 0, 255});
    const float norm = 1.0f / float(s * s);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float acc[3] = {0, 0, 0};
            for (int j = 0; j < s; ++j)
                for (int i = 0; i < s; ++i) {
                    const float* p = &px[(size_t(y * s + j) * w * s + (x * s + i)) * 3];
                    acc[0] += p[0];
                    acc[1] += p[1];
                    acc[2] += p[2];
                }
            auto byte = [&](float v) { return uint8_t(std::clamp(v * norm * 255.0f + 0.5f, 0.0f, 255.0f)); };
            out.set(x, y, {byte(acc[0]), byte(acc[1]), byte(acc[2]), 255});
        }
    return out;
}

bool drawTitle(Canvas& canvas, const std::string& text, float centreX, float baselineY, float pixelHeight,
               const Canvas::Paint& paint, float outline, const Colour& outlineColour)
{
    const char* fontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    if (FT_Init_FreeType(&library) != 0 || FT_New_Face(library, fontPath, 0, &face) != 0) {
        std::fprintf(stderr, "assetgen: cannot load %s for the picture titles\n", fontPath);
        if (library)
            FT_Done_FreeType(library);
        return false;
    }
    FT_Set_Pixel_Sizes(face, 0, FT_UInt(pixelHeight));
    // Measure first, so the title can be centred.
    float advance = 0;
    for (unsigned char ch : text)
        if (FT_Load_Char(face, ch, FT_LOAD_DEFAULT) == 0)
            advance += float(face->glyph->advance.x) / 64.0f;
    float penX = centreX - advance * 0.5f;
    struct Coverage {
        int left, top, width, rows;
        std::vector<unsigned char> bits;
    };
    std::vector<std::pair<float, Coverage>> glyphs;
    for (unsigned char ch : text) {
        if (FT_Load_Char(face, ch, FT_LOAD_RENDER) != 0)
            continue;
        const FT_Bitmap& bm = face->glyph->bitmap;
        Coverage g{face->glyph->bitmap_left, face->glyph->bitmap_top, int(bm.width), int(bm.rows), {}};
        for (int r = 0; r < g.rows; ++r)
            for (int c = 0; c < g.width; ++c)
                g.bits.push_back(bm.buffer[r * bm.pitch + c]);
        glyphs.push_back({penX, std::move(g)});
        penX += float(face->glyph->advance.x) / 64.0f;
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);

    auto covered = [&](float x, float y, float grow) {
        for (const auto& [gx, g] : glyphs) {
            const float lx = x - (gx + float(g.left)), ly = y - (baselineY - float(g.top));
            if (lx < -grow || ly < -grow || lx >= float(g.width) + grow || ly >= float(g.rows) + grow)
                continue;
            const int steps = grow > 0 ? 8 : 1;
            for (int k = 0; k < steps; ++k) {
                const float ang = 6.2831853f * float(k) / float(steps);
                const int cx = int(std::floor(lx + grow * std::cos(ang)));
                const int cy = int(std::floor(ly + grow * std::sin(ang)));
                if (cx >= 0 && cy >= 0 && cx < g.width && cy < g.rows && g.bits[size_t(cy * g.width + cx)] > 127)
                    return true;
            }
        }
        return false;
    };
    const float x0 = centreX - advance * 0.5f - outline - 4, x1 = centreX + advance * 0.5f + outline + 4;
    const float y0 = baselineY - pixelHeight * 1.1f - outline, y1 = baselineY + pixelHeight * 0.4f + outline;
    if (outline > 0)
        canvas.fill(x0, y0, x1, y1, [&](float x, float y) { return covered(x, y, outline) || covered(x, y, 0); },
                    [&](float, float) { return outlineColour; });
    canvas.fill(x0, y0, x1, y1, [&](float x, float y) { return covered(x, y, 0); }, paint);
    return true;
}
