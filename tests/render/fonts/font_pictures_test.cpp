// Reads the generated pictures back: every glyph rectangle of both fonts holds ink, the
// GUI atlas has its white block for solid rectangles, and the pointer's hot spot is drawn.
#include "render/fonts/GlyphTables.h"
#include "ui/widgets/GuiAtlas.h"

#include <gtest/gtest.h>
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

#include <cstdlib>
#include <string>

namespace {

struct Picture {
    int width = 0, height = 0;
    unsigned char* pixels = nullptr;
    explicit Picture(const std::string& name) {
        const char* dir = std::getenv("PITCHBAR_RESOURCES");
        std::string path = std::string(dir ? dir : "resources") + "/textures/" + name;
        int channels = 0;
        pixels = stbi_load(path.c_str(), &width, &height, &channels, 4);
    }
    ~Picture() { stbi_image_free(pixels); }
    const unsigned char* at(int x, int y) const { return pixels + (static_cast<size_t>(y) * width + x) * 4; }
    int inkIn(int x0, int y0, int w, int h) const {
        int ink = 0;
        for (int y = y0; y < y0 + h; ++y)
            for (int x = x0; x < x0 + w; ++x)
                if (at(x, y)[3] > 100) ++ink;
        return ink;
    }
};

void expectInkInEveryGlyph(const char* name, const Glyph* glyphs, int count, int w, int h) {
    Picture picture(name);
    ASSERT_NE(picture.pixels, nullptr) << name;
    ASSERT_EQ(picture.width, w);
    ASSERT_EQ(picture.height, h);
    for (int i = 0; i < count; ++i) {
        const Glyph& g = glyphs[i];
        EXPECT_GT(picture.inkIn(g.sourceX, g.sourceY, g.width, g.height), 0) << name << " glyph " << i;
    }
    // The glyphs are white so that the tint alone colours them.
    const Glyph& a = glyphs[10];
    for (int y = a.sourceY; y < a.sourceY + a.height; ++y)
        for (int x = a.sourceX; x < a.sourceX + a.width; ++x)
            if (picture.at(x, y)[3] > 0) {
                EXPECT_EQ(picture.at(x, y)[0], 255);
                EXPECT_EQ(picture.at(x, y)[2], 255);
            }
}

TEST(FontPictures, EveryGlyphRectangleHoldsInk) {
    using namespace FontTables;
    expectInkInEveryGlyph(SmallTextureName, kSmallFontGlyphs, SmallGlyphCount, SmallTextureWidth, SmallTextureHeight);
    expectInkInEveryGlyph(BigTextureName, kBigFontGlyphs, 36, BigTextureWidth, BigTextureHeight);
}

TEST(FontPictures, CapitalsStandOnTheBottomRowOfTheirRectangle) {
    using namespace FontTables;
    Picture picture(SmallTextureName);
    ASSERT_NE(picture.pixels, nullptr);
    for (char c : std::string("EHLZ")) {
        const Glyph& g = kSmallFontGlyphs[10 + (c - 'A')];
        EXPECT_GT(picture.inkIn(g.sourceX, g.sourceY + g.height - 1, g.width, 1), 0) << c;
        EXPECT_GT(picture.inkIn(g.sourceX, g.sourceY, g.width, 1), 0) << c;
    }
}

TEST(GuiAtlasPicture, HasTheWhiteBlockAndOpaqueBackground) {
    Picture atlas("gui.png");
    ASSERT_NE(atlas.pixels, nullptr);
    ASSERT_EQ(atlas.width, 1024);
    ASSERT_EQ(atlas.height, 1024);
    for (int y = 1; y < 3; ++y)
        for (int x = 1; x < 3; ++x)
            for (int ch = 0; ch < 4; ++ch) EXPECT_EQ(atlas.at(x, y)[ch], 255);
    const GuiAtlas::Rect& bg = GuiAtlas::MenuBackground;
    for (int y = bg.y; y < bg.y + bg.height; y += 37)
        for (int x = bg.x; x < bg.x + bg.width; x += 41) EXPECT_EQ(atlas.at(x, y)[3], 255);
    EXPECT_GT(atlas.inkIn(GuiAtlas::Logo.x, GuiAtlas::Logo.y, GuiAtlas::Logo.width, GuiAtlas::Logo.height), 5000);
    EXPECT_GT(atlas.inkIn(GuiAtlas::ArrowLeft.x, GuiAtlas::ArrowLeft.y, 8, 18), 20);
    EXPECT_GT(atlas.inkIn(GuiAtlas::ButtonMiddle.x, GuiAtlas::ButtonMiddle.y, 2, 40), 50);
}

TEST(PointerPicture, TipIsAtTheHotSpot) {
    Picture pointer("mousepointer.png");
    ASSERT_NE(pointer.pixels, nullptr);
    EXPECT_GT(pointer.at(8, 8)[3], 100);
    EXPECT_EQ(pointer.at(6, 6)[3], 0);
}

}  // namespace
