// The table drawn on the real device: a posed match must show red and blue figures, the
// gold rod the player holds and the ball where the simulation has them, with shadows on
// and off. The frames are also written as PNG files beside the test for a look.
#include "testkit/display/TableScene.h"

#include <gtest/gtest.h>

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include <cstdint>
#include <vector>

namespace {

struct Pixel {
    int r, g, b;
};

Pixel pixelAt(const std::vector<std::uint8_t>& frame, int width, int x, int y) {
    const std::uint8_t* p = &frame[(static_cast<size_t>(y) * width + x) * 4];
    return {p[0], p[1], p[2]};
}

// The most saturated colour of the given kind within a few pixels of (x, y): thin parts
// and anti-aliased edges need a little slack.
template <typename Test>
bool foundNear(const std::vector<std::uint8_t>& frame, int width, int height, int x, int y, Test test) {
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            int px = x + dx, py = y + dy;
            if (px < 0 || py < 0 || px >= width || py >= height) continue;
            if (test(pixelAt(frame, width, px, py))) return true;
        }
    return false;
}

}  // namespace

TEST(TableFrame, FiguresRodsAndBallAppearWhereTheSimulationHasThem) {
    TableScene scene;
    ASSERT_TRUE(scene.start(true)) << "no GL device (is DISPLAY set?)";
    scene.poseMatch();
    const int w = scene.renderer.device->backBufferWidth();
    const int h = scene.renderer.device->backBufferHeight();
    ASSERT_EQ(w, 1024);
    ASSERT_EQ(h, 768);

    for (bool shadows : {true, false}) {
        scene.setShadows(shadows);
        scene.renderer.renderFrame();
        std::vector<std::uint8_t> frame = scene.renderer.device->readBackBuffer();
        ASSERT_EQ(frame.size(), static_cast<size_t>(w) * h * 4);
        std::string name = shadows ? "table_shadows.png" : "table_plain.png";
        stbi_write_png(name.c_str(), w, h, 4, frame.data(), w * 4);

        auto check = [&](const Vector3& p, const char* what, auto test) {
            int x = 0, y = 0;
            ASSERT_TRUE(scene.project(p, x, y)) << what;
            EXPECT_TRUE(foundNear(frame, w, h, x, y, test)) << what << " at " << x << "," << y
                                                             << (shadows ? " with shadows" : "");
        };
        // The shirt of team 0's middle midfield figure and of team 1's, at the shoulder on
        // the camera's side of the head (the figure's x runs across the table).
        auto shirtSeen = [&](int team, auto test) {
            for (float side : {-1.0f, 1.0f}) {
                int x = 0, y = 0;
                Vector3 shoulder = transformCoord({side, 1.0f, 0.0f}, scene.display->teams[team].figures[5]->world);
                if (scene.project(shoulder, x, y) && foundNear(frame, w, h, x, y, test)) return true;
            }
            return false;
        };
        EXPECT_TRUE(shirtSeen(0, [](Pixel p) { return p.r > p.g + 60 && p.r > p.b + 60; })) << "red shirt";
        EXPECT_TRUE(shirtSeen(1, [](Pixel p) { return p.b > p.r + 60 && p.b > p.g + 60; })) << "blue shirt";
        // Its head: skin or hair, no longer plastic of the team's colour.
        auto headOf = [&](int team, int figure) {
            return transformCoord({0.0f, 4.2f, 0.0f}, scene.display->teams[team].figures[figure]->world);
        };
        check(headOf(0, 5), "painted head", [](Pixel p) { return p.r >= p.g && p.g >= p.b && p.g > p.b + 8; });
        // The held midfield rod's metal between two figures.
        Vector3 rodPoint = transformCoord({0.0f, 5.5f, 0.0f}, scene.display->teams[0].rods[2]->world);
        check(rodPoint, "gold rod", [](Pixel p) { return p.r > p.b + 40 && p.g > p.b + 25 && p.r > 90; });
        // The ball: not the green of the field.
        Vector3 ballCentre = transformCoord({0, 0, 0}, scene.display->ball->world);
        check(ballCentre, "ball", [](Pixel p) { return !(p.g > p.r + 30 && p.g > p.b + 30); });
        // The field itself is green in the middle of an empty stretch.
        check({-30.0f, 0.0f, 20.0f}, "field", [](Pixel p) { return p.g > p.r + 30 && p.g > p.b + 30; });
    }
}

TEST(TableFrame, TheContrastColoursPaintOneTeamLightAndTheOtherDark) {
    TableScene scene;
    ASSERT_TRUE(scene.start(false)) << "no GL device (is DISPLAY set?)";
    scene.poseMatch();
    scene.setShadows(false);
    scene.display->setTeamPalette(1);
    scene.renderer.renderFrame();
    const int w = scene.renderer.device->backBufferWidth(), h = scene.renderer.device->backBufferHeight();
    std::vector<std::uint8_t> frame = scene.renderer.device->readBackBuffer();
    stbi_write_png("table_contrast.png", w, h, 4, frame.data(), w * 4);
    auto shirtSeen = [&](int team, auto test) {
        for (float side : {-1.0f, 1.0f}) {
            int x = 0, y = 0;
            Vector3 shoulder = transformCoord({side, 1.0f, 0.0f}, scene.display->teams[team].figures[5]->world);
            if (scene.project(shoulder, x, y) && foundNear(frame, w, h, x, y, test)) return true;
        }
        return false;
    };
    // Lightness tells them apart whatever colours an eye confuses; neither is gold.
    EXPECT_TRUE(shirtSeen(0, [](Pixel p) { return p.r > 170 && p.g > 165 && p.b > 140 && p.r - p.b < 45; })) << "ivory shirt";
    EXPECT_TRUE(shirtSeen(1, [](Pixel p) { return p.r < 80 && p.g < 80 && p.b < 90; })) << "charcoal shirt";
    EXPECT_FALSE(shirtSeen(0, [](Pixel p) { return p.r > p.b + 100; })) << "no red left";
}
