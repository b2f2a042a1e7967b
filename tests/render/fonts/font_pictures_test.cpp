// Reads the generated pictures back: every glyph rectangle of both fonts holds ink, the
// GUI atlas has its white block for solid rectangles, and the pointer's hot spot is drawn.
#include "render/fonts/GlyphTables.h"
#include "ui/widgets/GuiAtlas.h"

#include <gtest/gtest.h>
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

#include <cmath>
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
    expectInkInEveryGlyph(SmallTextureName, kSmallFontGlyphs.data(), SmallGlyphCount, SmallTextureWidth, SmallTextureHeight);
    expectInkInEveryGlyph(BigTextureName, kBigFontGlyphs.data(), 36, BigTextureWidth, BigTextureHeight);
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

// Perceived brightness of a colour, 0..255.
float luminance(int r, int g, int b) { return 0.299f * r + 0.587f * g + 0.114f * b; }

TEST(MenuArtPictures, ButtonLabelsReadInEveryStateAndNothingCoversTheMenus) {
    Picture atlas("gui.png");
    ASSERT_NE(atlas.pixels, nullptr);
    // The button face where the label stands (11 to 22 pixels below the button's top, the
    // atlas piece starting 2 above it): the disabled brown (108, 100, 76) must stand out
    // from it as well as the white and orange labels do.
    const GuiAtlas::Rect& middle = GuiAtlas::ButtonMiddle;
    const float disabled = luminance(0x6C, 0x64, 0x4C), white = 255.0f, orange = luminance(0xFB, 0xAB, 0x18);
    for (int y = middle.y + 13; y < middle.y + 24; ++y) {
        const unsigned char* p = atlas.at(middle.x, y);
        float face = luminance(p[0], p[1], p[2]);
        EXPECT_GT(std::fabs(disabled - face), 45.0f) << "row " << y;
        EXPECT_GT(std::fabs(white - face), 120.0f) << "row " << y;
        EXPECT_GT(std::fabs(orange - face), 90.0f) << "row " << y;
    }
    // The profile icon holds pixels far from the orange of a selected row (251, 171, 24),
    // so it still shows there.
    const GuiAtlas::Rect& icon = GuiAtlas::ProfileIcon;
    int standsOut = 0;
    for (int y = icon.y; y < icon.y + icon.height; ++y)
        for (int x = icon.x; x < icon.x + icon.width; ++x) {
            const unsigned char* p = atlas.at(x, y);
            if (p[3] > 200 && std::abs(p[0] - 251) + std::abs(p[1] - 171) + std::abs(p[2] - 24) > 200) ++standsOut;
        }
    EXPECT_GT(standsOut, 60);
    // The logo, drawn at (694, 2) over every menu, stays above y = 62, where the player
    // menu's profile panel and its frame begin.
    const GuiAtlas::Rect& logo = GuiAtlas::Logo;
    EXPECT_EQ(atlas.inkIn(logo.x, logo.y + 60, logo.width, logo.height - 60), 0);
    EXPECT_GT(atlas.inkIn(logo.x, logo.y, logo.width, 60), 5000);

    // The corner figure, drawn at (0, 640), leaves the help pages' "PREVIOUS PAGE" button
    // at (30, 630), 150 wide, free: its background reaches from x 28 to 182 and down to
    // y 668.
    Picture figure("orangepuppetsmall.png");
    ASSERT_NE(figure.pixels, nullptr);
    EXPECT_EQ(figure.inkIn(28, 0, figure.width - 28, 668 - 640), 0);
    EXPECT_GT(figure.inkIn(0, 0, figure.width, figure.height), 2000);
}

TEST(PointerPicture, TipIsAtTheHotSpot) {
    Picture pointer("mousepointer.png");
    ASSERT_NE(pointer.pixels, nullptr);
    EXPECT_GT(pointer.at(8, 8)[3], 100);
    EXPECT_EQ(pointer.at(6, 6)[3], 0);
}

}  // namespace
