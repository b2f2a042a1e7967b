#include "screens/MessageTicker.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Runs the ticker at a fixed frame time and returns the time at which it went idle.
float lifetime(MessageTicker& t, float dt, std::vector<float>* alphas = nullptr)
{
    float time = 0;
    t.update(dt);  // takes the message
    while (t.showing() && time < 10) {
        t.update(dt);
        time += dt;
        if (alphas)
            alphas->push_back(t.alpha());
    }
    return time;
}

TEST(MessageTicker, EachMessageFadesInStaysAndFadesOutInTurn)
{
    MessageTicker t;
    t.update(0.1f);
    EXPECT_FALSE(t.showing());

    t.queue("BOB SCORES");
    t.queue("DEAD BALL");
    std::vector<float> alphas;
    const float first = lifetime(t, 0.01f, &alphas);
    EXPECT_NEAR(2.7f, first, 0.011f);
    EXPECT_NEAR(0.5f, alphas[34], 0.02f);   // 0.35 s into the fade-in
    EXPECT_FLOAT_EQ(1.0f, alphas[100]);     // 1.01 s: fully shown
    EXPECT_NEAR(0.5f, alphas[239], 0.02f);  // 2.4 s: halfway out
    for (float a : alphas) {
        EXPECT_GE(a, 0.0f);
        EXPECT_LE(a, 1.0f);
    }
    EXPECT_EQ("", t.text());

    t.update(0.01f);
    EXPECT_EQ("DEAD BALL", t.text());
    EXPECT_EQ(0u, t.waiting());
}

TEST(MessageTicker, AMessageIsGoneAtTwoPointSevenSecondsOfAddedFrameTime)
{
    // 0.1 added 27 times in float is 2.6999996, still short of the end; the next frame
    // ends the message.
    MessageTicker t;
    t.queue("X");
    t.update(0.1f);
    for (int i = 0; i < 27; ++i)
        t.update(0.1f);
    EXPECT_TRUE(t.showing());
    EXPECT_GT(t.alpha(), 0.0f);
    t.update(0.1f);
    EXPECT_FALSE(t.showing());
}

TEST(MessageTicker, ClearDropsTheQueueAndTheMessageShown)
{
    MessageTicker t;
    t.queue("A");
    t.queue("B");
    t.update(0.5f);
    ASSERT_TRUE(t.showing());
    t.clear();
    EXPECT_FALSE(t.showing());
    EXPECT_EQ(0u, t.waiting());
    t.update(0.1f);
    EXPECT_FALSE(t.showing());
}

} // namespace
