// One match frame drawn by the real renderer under the test display: the table lit in the
// middle, and the HUD over it, with the score in gold, the names in white, the opponent's
// picture at the top right and the pause panel across the middle. The frame is kept as
// match_frame.png in the test folder for a look.
#include "testkit/screens/MatchOnDevice.h"

#include "support/DrawingGame.h"

#include <gtest/gtest.h>

namespace {

struct Frame {
    std::vector<std::uint8_t> rgba;

    // Pixels of a rectangle that pass the test.
    template <typename Test>
    int count(int x0, int y0, int x1, int y1, Test test) const {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                const std::size_t i = (static_cast<std::size_t>(y) * 1024 + x) * 4;
                if (test(rgba[i], rgba[i + 1], rgba[i + 2])) ++n;
            }
        return n;
    }
};

bool gold(int r, int g, int b) { return r > 200 && g > 120 && g < 210 && b < 90; }
bool white(int r, int g, int b) { return r > 220 && g > 220 && b > 220; }
bool lit(int r, int g, int b) { return r + g + b > 60; }

Frame grab(MatchOnDevice& m, const char* file) {
    Frame f;
    f.rgba = m.game.renderer->device->readBackBuffer();
    if (file)
        keepFrameAsPng(file, f.rgba);
    return f;
}

TEST(MatchScreenGl, AMatchFrameShowsTheTableUnderItsHud)
{
    MatchOnDevice m;
    ASSERT_TRUE(m.start("match_gl_errors.txt", "match_gl_gamestate.dat"));
    m.enter(0);
    m.match->simulation.score[0] = 3;
    m.match->simulation.score[1] = 1;
    for (int i = 0; i < 20; ++i) m.frame(1.0f / 60.0f);
    Frame f = grab(m, "match_frame.png");
    ASSERT_EQ(1024u * 768u * 4u, f.rgba.size());

    // The table fills the middle of the screen.
    EXPECT_GT(f.count(200, 250, 824, 600, lit), 200000);
    // Both scores in gold inside the score box, left and right of the bar.
    EXPECT_GT(f.count(474, 12, 504, 55, gold), 20);
    EXPECT_GT(f.count(526, 12, 556, 55, gold), 20);
    // White names on the two panels.
    EXPECT_GT(f.count(200, 10, 400, 27, white), 10);
    EXPECT_GT(f.count(654, 10, 860, 27, white), 10);
    // The opponent's portrait at the top right is not empty.
    EXPECT_GT(f.count(891, 7, 1019, 135, lit), 8000);
    // The keys in the footer: white text with gold keys.
    EXPECT_GT(f.count(140, 741, 615, 763, gold), 30);
    EXPECT_GT(f.count(140, 741, 615, 763, white), 30);

    // Paused: the message panel across the middle, drawn over the table.
    m.game.context.inputSystem->keys[Key::P] = Key::DownBit;
    m.frame(1.0f / 60.0f);
    m.game.context.inputSystem->keys[Key::P] = 0;
    ASSERT_TRUE(m.match->paused);
    Frame paused = grab(m, "match_paused.png");
    EXPECT_GT(paused.count(470, 374, 554, 388, white), 20);

    // A goal: the banner above the centre, the scorer's name in white below it.
    m.game.context.inputSystem->previousKeys[Key::P] = 0;
    m.game.context.inputSystem->keys[Key::P] = Key::DownBit;
    m.frame(1.0f / 60.0f);
    m.game.context.inputSystem->keys[Key::P] = 0;
    ASSERT_FALSE(m.match->paused);
    m.match->simulation.score[0] = 4;
    m.match->simulation.goalPending = true;
    m.match->simulation.goalByTeam0 = true;
    for (int i = 0; i < 60; ++i) m.frame(1.0f / 60.0f);
    Frame goal = grab(m, "match_goal.png");
    EXPECT_GT(goal.count(400, 400, 624, 430, white), 200);
    EXPECT_GT(goal.count(355, 285, 670, 390, [&](int r, int g, int b) { return r + g + b > 60; }), 10000);
}

} // namespace
