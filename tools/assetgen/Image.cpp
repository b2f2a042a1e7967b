#include "Image.h"

#include "Generator.h"

#include <algorithm>
#include <cstdio>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

Image::Image(int w, int h, Rgba fill) : width(w), height(h), pixels(size_t(w) * h * 4) {
    for (size_t i = 0; i < pixels.size(); i += 4) {
        pixels[i] = fill.r;
        pixels[i + 1] = fill.g;
        pixels[i + 2] = fill.b;
        pixels[i + 3] = fill.a;
    }
}

Rgba Image::get(int x, int y) const {
    if (!contains(x, y)) return {};
    const uint8_t* p = &pixels[(size_t(y) * width + x) * 4];
    return {p[0], p[1], p[2], p[3]};
}

void Image::set(int x, int y, Rgba c) {
    if (!contains(x, y)) return;
    uint8_t* p = &pixels[(size_t(y) * width + x) * 4];
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
    p[3] = c.a;
}

void Image::blend(int x, int y, Rgba c, float coverage) {
    if (!contains(x, y)) return;
    float sa = std::clamp(c.a / 255.0f * coverage, 0.0f, 1.0f);
    if (sa <= 0.0f) return;
    Rgba d = get(x, y);
    float da = d.a / 255.0f;
    float oa = sa + da * (1.0f - sa);
    auto mix = [&](uint8_t s, uint8_t dc) {
        float v = (s * sa + dc * da * (1.0f - sa)) / (oa > 0.0f ? oa : 1.0f);
        return uint8_t(std::clamp(v + 0.5f, 0.0f, 255.0f));
    };
    set(x, y, {mix(c.r, d.r), mix(c.g, d.g), mix(c.b, d.b), uint8_t(std::clamp(oa * 255.0f + 0.5f, 0.0f, 255.0f))});
}

void Image::fillRect(int x, int y, int w, int h, Rgba c) {
    for (int j = std::max(0, y); j < std::min(height, y + h); ++j)
        for (int i = std::max(0, x); i < std::min(width, x + w); ++i) set(i, j, c);
}

void Image::paste(const Image& src, int x, int y) {
    for (int j = 0; j < src.height; ++j)
        for (int i = 0; i < src.width; ++i) set(x + i, y + j, src.get(i, j));
}

bool savePng(const Image& image, const std::string& path) {
    size_t slash = path.find_last_of('/');
    if (slash != std::string::npos && !makeDirectories(path.substr(0, slash))) {
        std::fprintf(stderr, "assetgen: cannot create the folder of %s\n", path.c_str());
        return false;
    }
    if (!stbi_write_png(path.c_str(), image.width, image.height, 4, image.pixels.data(), image.width * 4)) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}
