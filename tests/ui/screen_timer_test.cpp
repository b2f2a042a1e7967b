#include "render/Renderer.h"
#include "ui/KRScreen.h"

#include <gtest/gtest.h>

namespace {
class TimerScreen : public KRScreen {
public:
    std::vector<std::string> fired;
    bool chain = false;
    TimerScreen(Renderer* r) : KRScreen(r, nullptr) {}
    void onTimer(const ScreenTimer& t) override
    {
        fired.push_back(t.name);
        if (chain && t.name == "first")
            addTimer("second", 0.0f);
    }
};
} // namespace

TEST(ScreenTimers, ZeroSecondsFiresOnNextUpdateAndEachTimerFiresOnce)
{
    Renderer renderer;
    TimerScreen screen(&renderer);
    screen.addTimer("now", 0.0f);
    screen.addTimer("later", 0.5f);
    screen.update(0.0f);
    EXPECT_EQ(screen.fired, (std::vector<std::string>{"now"}));
    ASSERT_EQ(screen.timers.size(), 1u);
    EXPECT_EQ(screen.timers[0].name, "later");
    screen.update(0.3f);
    EXPECT_EQ(screen.fired.size(), 1u);
    screen.update(0.2f);  // exactly used up: not greater than zero fires
    EXPECT_EQ(screen.fired, (std::vector<std::string>{"now", "later"}));
    screen.update(1.0f);
    EXPECT_EQ(screen.fired.size(), 2u);
    EXPECT_TRUE(screen.timers.empty());
}

TEST(ScreenTimers, TimerAddedFromOnTimerCountsFromTheFollowingUpdate)
{
    Renderer renderer;
    TimerScreen screen(&renderer);
    screen.chain = true;
    screen.addTimer("first", 0.1f);
    screen.update(0.2f);
    EXPECT_EQ(screen.fired, (std::vector<std::string>{"first"}));
    ASSERT_EQ(screen.timers.size(), 1u);
    EXPECT_EQ(screen.timers[0].name, "second");
    EXPECT_FLOAT_EQ(screen.timers[0].remaining, 0.0f);  // not counted down yet
    EXPECT_FALSE(screen.timers[0].fired);
    screen.update(0.0f);
    EXPECT_EQ(screen.fired, (std::vector<std::string>{"first", "second"}));
}
