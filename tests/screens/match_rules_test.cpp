#include "screens/MessageTicker.h"
#include "screens/SubSteps.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(SubSteps, AFrameIsCutIntoMillisecondsWithTheMouseSharedInProportion)
{
    std::vector<float> steps, shareX, shareY;
    forEachSubStep(0.0125f, 10.0f, -5.0f, [&](float s, float mx, float my) {
        steps.push_back(s);
        shareX.push_back(mx);
        shareY.push_back(my);
    });
    ASSERT_EQ(13u, steps.size());
    float totalX = 0;
    for (int i = 0; i < 12; ++i) {
        EXPECT_FLOAT_EQ(0.001f, steps[i]);
        EXPECT_NEAR(0.8f, shareX[i], 1e-4f);   // 0.08 of the movement
        EXPECT_NEAR(-0.4f, shareY[i], 1e-4f);
    }
    EXPECT_NEAR(0.0005f, steps[12], 1e-5f);
    for (float x : shareX)
        totalX += x;
    EXPECT_NEAR(10.0f, totalX, 1e-3f);

    int calls = 0;
    forEachSubStep(0.0f, 3.0f, 3.0f, [&](float, float, float) { ++calls; });
    EXPECT_EQ(0, calls);  // the first frame has no time and must not divide by it
}

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
