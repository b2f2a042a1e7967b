// The cheaper drawing the game uses on software renderers against the full picture, both
// drawn in this run from the same match frame: the two must agree within a small
// tolerance, and each must still show the shadows, the textured field and the figures, so
// a speed-up cannot quietly lose any of them. The four frames are kept as PNG files in the
// test folder for a look.
#include "testkit/screens/MatchOnDevice.h"

#include "platform/gfx/ShadingPath.h"
#include "support/DrawingGame.h"

#include <epoxy/gl.h>
#include <gtest/gtest.h>

namespace {

using Image = std::vector<std::uint8_t>;

// The part of the screen the table fills, below the HUD's top panels and above its
// bottom bar (the frame counter there changes from frame to frame).
constexpr int kTop = 70, kBottom = 690;

template <typename Test>
int count(const Image& image, Test test) {
    int n = 0;
    for (int y = kTop; y < kBottom; ++y)
        for (int x = 0; x < 1024; ++x) {
            const std::size_t i = (static_cast<std::size_t>(y) * 1024 + x) * 4;
            if (test(image[i], image[i + 1], image[i + 2])) ++n;
        }
    return n;
}

struct Difference {
    double mean = 0.0;   // mean absolute difference per channel
    double share = 0.0;  // share of pixels with a channel off by more than `far`
};

// Whether a pixel of `a` lies on a silhouette: a next pixel differs by more than `far`.
// There the full path's multisampling blends the two sides, as it should.
bool onSilhouette(const Image& a, int x, int y, int far) {
    const std::size_t i = (static_cast<std::size_t>(y) * 1024 + x) * 4;
    const int next[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (const auto& d : next) {
        const int nx = x + d[0], ny = y + d[1];
        if (nx < 0 || nx >= 1024) continue;
        const std::size_t j = (static_cast<std::size_t>(ny) * 1024 + nx) * 4;
        for (int c = 0; c < 3; ++c)
            if (std::abs(int(a[i + c]) - int(a[j + c])) > far) return true;
    }
    return false;
}

// Pixels on silhouettes of `a` are left out (see onSilhouette).
Difference compare(const Image& a, const Image& b, int far) {
    double sum = 0.0;
    int off = 0;
    for (int y = kTop; y < kBottom; ++y)
        for (int x = 0; x < 1024; ++x) {
            if (onSilhouette(a, x, y, far)) continue;
            const std::size_t i = (static_cast<std::size_t>(y) * 1024 + x) * 4;
            int worst = 0;
            for (int c = 0; c < 3; ++c) {
                const int d = std::abs(int(a[i + c]) - int(b[i + c]));
                sum += d;
                if (d > worst) worst = d;
            }
            if (worst > far) ++off;
        }
    const double pixels = 1024.0 * (kBottom - kTop);
    return Difference{sum / (pixels * 3.0), off / pixels};
}

// Pixels that are clearly darker in `shadowed` than in `plain`: where shadows fall.
int shadowedPixels(const Image& shadowed, const Image& plain) {
    int n = 0;
    for (int y = kTop; y < kBottom; ++y)
        for (int x = 0; x < 1024; ++x) {
            const std::size_t i = (static_cast<std::size_t>(y) * 1024 + x) * 4;
            const int s = shadowed[i] + shadowed[i + 1] + shadowed[i + 2];
            const int p = plain[i] + plain[i + 1] + plain[i + 2];
            if (p - s > 60) ++n;
        }
    return n;
}

// The figures' red, clear of the dark rings of the wooden walls and rim corners.
bool red(int r, int g, int b) { return r > 120 && g < 45 && b < 45; }
bool blue(int r, int g, int b) { return b > 120 && r < 70 && g < 90; }
bool fieldGreen(int r, int g, int b) { return g > 70 && g > r + 30 && g > b + 30; }

struct Frames {
    Image shadows, plain;
};

Frames draw(MatchOnDevice& m, const char* name) {
    Renderer& r = *m.game.renderer;
    Frames f;
    r.shadowsEnabled = 1;
    r.renderFrame();
    f.shadows = r.device->readBackBuffer();
    r.shadowsEnabled = 0;
    r.renderFrame();
    f.plain = r.device->readBackBuffer();
    r.shadowsEnabled = 1;
    keepFrameAsPng(std::string(name) + "_shadows.png", f.shadows);
    keepFrameAsPng(std::string(name) + "_plain.png", f.plain);
    return f;
}

}  // namespace

TEST(ShadingPathsGl, TheLightPathDrawsTheMatchAsTheFullPathDoes)
{
    MatchOnDevice m;
    ASSERT_TRUE(m.start("shading_paths_errors.txt", "shading_paths_gamestate.dat"));
    GraphicsDevice& device = *m.game.renderer->device;
    if (!device.softwareRenderer())
        GTEST_SKIP() << "the light path is taken only on software renderers";
    ASSERT_EQ(ShadingPath::Light, device.shadingPath());
    m.game.profileStore.currentProfile->shadows = true;
    m.enter(0);
    // Some play, so that rods are turned and the ball has moved; then the scene stands.
    for (int i = 0; i < 30; ++i) m.frame(1.0f / 60.0f);

    const Frames light = draw(m, "light_path");
    device.fullQualityOnSoftware = true;
    m.game.renderer->resetDevice();
    ASSERT_EQ(ShadingPath::Full, device.shadingPath());
    ASSERT_EQ(ShadingPath::Full, currentShadingPath());
    // The full picture is the one a graphics card draws: multisampled where the renderer
    // can (Mesa's software renderers can; they used to be refused it).
    int maxSamples = 0;
    glGetIntegerv(GL_MAX_SAMPLES, &maxSamples);
    if (maxSamples >= 4) {
        EXPECT_EQ(4, device.parameters().samples);
    }
    const Frames full = draw(m, "full_path");
    device.fullQualityOnSoftware = false;
    m.game.renderer->resetDevice();
    EXPECT_EQ(ShadingPath::Light, device.shadingPath());
    EXPECT_EQ(0, device.parameters().samples);

    // Without shadows the paths differ only in how the textures are filtered.
    const Difference plain = compare(light.plain, full.plain, 40);
    EXPECT_LT(plain.mean, 1.0);
    EXPECT_LT(plain.share, 0.005);
    // With shadows the light path's edges are one texel hard where the full path's fade.
    const Difference shadowed = compare(light.shadows, full.shadows, 40);
    EXPECT_LT(shadowed.mean, 2.0);
    EXPECT_LT(shadowed.share, 0.02);

    // The shadows are there on both paths, about as many of them.
    const int lightShade = shadowedPixels(light.shadows, light.plain);
    const int fullShade = shadowedPixels(full.shadows, full.plain);
    EXPECT_GT(fullShade, 10000);
    EXPECT_NEAR(lightShade, fullShade, fullShade / 10);
    // The textured field and both teams' figures too.
    for (const Image* image : {&light.shadows, &light.plain}) {
        const Image& reference = image == &light.shadows ? full.shadows : full.plain;
        const int green = count(reference, fieldGreen), reds = count(reference, red),
                  blues = count(reference, blue);
        EXPECT_GT(green, 150000);
        EXPECT_GT(reds, 3000);
        EXPECT_GT(blues, 3000);
        EXPECT_NEAR(count(*image, fieldGreen), green, green / 50);
        EXPECT_NEAR(count(*image, red), reds, reds / 20);
        EXPECT_NEAR(count(*image, blue), blues, blues / 20);
    }
}
