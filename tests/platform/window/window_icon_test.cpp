#include "platform/window/WindowIcon.h"

#include <gtest/gtest.h>

TEST(WindowIcon, RoundBallWithLightAndDarkPatchesOnATransparentGround)
{
    const int size = 64;
    std::vector<std::uint32_t> p = ballIconPixels(size);
    ASSERT_EQ(p.size(), 64u * 64u);
    auto alpha = [&](int x, int y) { return p[y * size + x] >> 24; };
    EXPECT_EQ(alpha(0, 0), 0u);
    EXPECT_EQ(alpha(63, 63), 0u);
    EXPECT_EQ(alpha(32, 32), 255u);
    EXPECT_EQ(alpha(32, 1), 255u);  // the rim reaches the edge of the picture
    int light = 0, dark = 0;
    for (std::uint32_t c : p) {
        if ((c >> 24) != 255)
            continue;
        const unsigned green = (c >> 8) & 0xFF;
        if (green > 180) ++light;
        if (green < 50) ++dark;
    }
    EXPECT_GT(light, 600);
    EXPECT_GT(dark, 150);
}
