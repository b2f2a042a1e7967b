#include "render/Renderer.h"
#include "screens/PBScreen.h"

#include <gtest/gtest.h>

namespace {
class LoggingScreen : public PBScreen {
public:
    std::string name;
    std::vector<std::string>* log;
    LoggingScreen(std::string n, std::vector<std::string>* l, Renderer* r)
        : PBScreen(nullptr, r), name(std::move(n)), log(l) {}
    void onEnter() override { log->push_back(name + ":enter"); }
    void onLeave() override { log->push_back(name + ":leave"); }
};

struct FadeFixture : ::testing::Test {
    Renderer renderer;
    std::vector<std::string> log;
    LoggingScreen a{"A", &log, &renderer};
    LoggingScreen b{"B", &log, &renderer};
    LoggingScreen c{"C", &log, &renderer};
    void SetUp() override { renderer.screen = &a; }
};
} // namespace

TEST_F(FadeFixture, FadeOutReachesFullBlackThenHandsOverKeepingTheExcess)
{
    EXPECT_EQ(a.fadeAlpha(), 0.0f);
    a.switchTo(&b);
    EXPECT_EQ(a.transition, PBScreen::FadingOut);
    EXPECT_EQ(a.fadeAlpha(), 0.0f);
    a.update(0.4f);
    EXPECT_FLOAT_EQ(a.fadeAlpha(), 0.5f);
    a.update(0.4f);
    EXPECT_EQ(a.fadeAlpha(), 1.0f);  // exactly black at the end, still current
    EXPECT_EQ(renderer.screen, &a);
    EXPECT_TRUE(log.empty());

    a.update(0.25f);
    EXPECT_EQ(renderer.screen, &b);
    EXPECT_EQ(log, (std::vector<std::string>{"A:leave", "B:enter"}));
    EXPECT_NEAR(a.transitionTime, 0.25f, 1e-5f);  // the outgoing screen keeps the excess
    EXPECT_EQ(a.transition, PBScreen::FadingOut);
    EXPECT_EQ(b.transition, PBScreen::FadingIn);
    EXPECT_EQ(b.transitionTime, 0.0f);            // the target starts from zero
    EXPECT_EQ(b.fadeAlpha(), 1.0f);
    EXPECT_EQ(a.next, &b);
}

TEST_F(FadeFixture, FadeInEndsClearAndShown)
{
    a.switchTo(&b);
    a.update(1.0f);
    ASSERT_EQ(renderer.screen, &b);
    b.update(0.4f);
    EXPECT_FLOAT_EQ(b.fadeAlpha(), 0.5f);
    b.update(0.4f);
    EXPECT_EQ(b.fadeAlpha(), 0.0f);
    EXPECT_EQ(b.transition, PBScreen::FadingIn);
    b.update(0.1f);
    EXPECT_EQ(b.transition, PBScreen::Shown);
    EXPECT_NEAR(b.transitionTime, 0.1f, 1e-5f);
    EXPECT_EQ(b.fadeAlpha(), 0.0f);
}

TEST_F(FadeFixture, SecondSwitchDuringFadeRetargetsWithAClearOverlay)
{
    a.switchTo(&b);
    a.update(0.6f);
    a.switchTo(&c);
    EXPECT_EQ(a.transitionTime, 0.0f);
    EXPECT_EQ(a.fadeAlpha(), 0.0f);
    a.update(0.6f);
    EXPECT_EQ(renderer.screen, &a);  // restarted: 0.6 s is not enough
    a.update(0.3f);
    EXPECT_EQ(renderer.screen, &c);
    EXPECT_EQ(b.transition, PBScreen::Shown);  // the first target was never touched
    EXPECT_EQ(log, (std::vector<std::string>{"A:leave", "C:enter"}));
}

TEST_F(FadeFixture, ScreenLeftBlackIsResetWhenItIsTheTargetAgain)
{
    a.switchTo(&b);
    a.update(1.0f);
    b.update(1.0f);
    b.switchTo(&a);
    b.update(0.9f);
    EXPECT_EQ(renderer.screen, &a);
    EXPECT_EQ(a.transition, PBScreen::FadingIn);
    EXPECT_EQ(a.transitionTime, 0.0f);
    EXPECT_EQ(a.fadeAlpha(), 1.0f);
}
