#pragma once
// A rectangle of a texture (a glyph, a piece of the GUI atlas), in texture pixels.
struct TextureRecord;

struct AtlasImage {
    TextureRecord* texture = nullptr;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
