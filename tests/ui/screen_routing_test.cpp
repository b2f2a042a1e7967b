#include "input/InputSystem.h"
#include "render/Renderer.h"
#include "ui/KRScreen.h"
#include "ui/RecordingComponent.h"

#include <gtest/gtest.h>

namespace {
// A screen with two 100x40 buttons A at (100, 100) and B at (300, 100), a pointer and
// a left button driven by hand.
struct RoutingFixture : ::testing::Test {
    Renderer renderer;
    InputSystem input;
    KRScreen screen{&renderer, &input};
    std::vector<std::string> log;
    RecordingComponent* a = new RecordingComponent("A", &log, 100, 100, 100, 40);
    RecordingComponent* b = new RecordingComponent("B", &log, 300, 100, 100, 40);

    void SetUp() override
    {
        screen.addComponent(a);
        screen.addComponent(b);
    }
    void frame(float x, float y, bool down)
    {
        renderer.mouseX = x;
        renderer.mouseY = y;
        input.mouseState.buttons[0] = down ? 0x80 : 0;
        screen.update(0.016f);
    }
    std::vector<std::string> take()
    {
        std::vector<std::string> out;
        out.swap(log);
        return out;
    }
};
using Log = std::vector<std::string>;
} // namespace

TEST_F(RoutingFixture, ClickNeedsPressAndReleaseOnTheSameWidget)
{
    frame(110.7f, 120.9f, false);
    EXPECT_EQ(take(), (Log{"A:move(10,20)"}));   // truncated, local coordinates
    frame(110.0f, 120.0f, true);
    EXPECT_EQ(take(), (Log{"A:down(10,20)"}));   // no move: same pixel
    frame(120.0f, 125.0f, false);
    EXPECT_EQ(take(), (Log{"A:move(20,25)", "A:up(20,25)", "A:click(20,25)"}));
}

TEST_F(RoutingFixture, DragOffToEmptySpaceGivesOnlyTheDown)
{
    frame(110, 110, true);
    take();
    frame(250, 300, true);
    EXPECT_EQ(take(), (Log{"A:leave"}));
    frame(250, 300, false);
    EXPECT_TRUE(take().empty());
    EXPECT_FALSE(screen.buttonWasDown);
}

TEST_F(RoutingFixture, PressOnOneReleaseOnAnotherIsNoClick)
{
    frame(110, 110, true);
    take();
    frame(310, 110, true);
    EXPECT_EQ(take(), (Log{"A:leave", "B:move(10,10)"}));
    frame(310, 110, false);
    EXPECT_EQ(take(), (Log{"B:up(10,10)"}));
}

TEST_F(RoutingFixture, PressOnEmptySpaceDraggedOntoAnEarlierPressedWidgetIsNoClick)
{
    // A was clicked once, so the last press position lies on A...
    frame(110, 110, true);
    frame(110, 110, false);
    take();
    // ...then a press on empty space is dragged onto A and released there.
    frame(50, 50, true);
    frame(110, 110, true);
    frame(110, 110, false);
    EXPECT_EQ(take(), (Log{"A:leave", "A:move(10,10)", "A:up(10,10)"}));
}

TEST_F(RoutingFixture, OverlappingWidgetsTheFirstAddedWins)
{
    auto* over = new RecordingComponent("C", &log, 150, 90, 100, 100);  // overlaps A
    screen.addComponent(over);
    EXPECT_EQ(screen.componentAt(160, 110), a);
    EXPECT_EQ(screen.componentAt(210, 110), over);
    EXPECT_EQ(screen.componentAt(200, 100), over);  // right edge of A is outside A
    EXPECT_EQ(screen.componentAt(99, 110), nullptr);
    frame(160, 110, true);
    EXPECT_EQ(take(), (Log{"A:move(60,10)", "A:down(60,10)"}));
    EXPECT_EQ(over->owner, &screen);
}

TEST_F(RoutingFixture, PressElsewhereTakesFocusPressOnTheFocusedKeepsIt)
{
    a->hasFocus = true;
    screen.focused = a;
    frame(110, 110, true);  // on the focused widget itself
    frame(110, 110, false);
    EXPECT_EQ(screen.focused, a);
    EXPECT_TRUE(a->hasFocus);

    frame(310, 110, true);  // on another widget
    EXPECT_EQ(screen.focused, nullptr);
    EXPECT_FALSE(a->hasFocus);
    frame(310, 110, false);

    a->hasFocus = true;
    screen.focused = a;
    frame(600, 600, true);  // on empty space
    EXPECT_EQ(screen.focused, nullptr);
    EXPECT_FALSE(a->hasFocus);
}
