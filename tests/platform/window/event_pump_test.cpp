#include "platform/window/GameWindow.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {
struct CountingClient : WindowClient {
    int frames = 0, closes = 0, terminations = 0;
    bool mayClose = true;
    void onFrame() override { ++frames; }
    bool onClose() override
    {
        ++closes;
        return mayClose;
    }
    void onTerminate() override { ++terminations; }
};

SDL_Event windowEvent(Uint8 which)
{
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = which;
    return e;
}
} // namespace

TEST(EventPump, CloseSavesOnceExposePaintsOtherEventsDoNothing)
{
    GameWindow window;  // never created: dispatch needs no real window
    CountingClient client;
    EXPECT_FALSE(window.dispatch(windowEvent(SDL_WINDOWEVENT_EXPOSED), client));
    EXPECT_EQ(client.frames, 1);
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    EXPECT_FALSE(window.dispatch(motion, client));
    EXPECT_EQ(client.frames, 1);

    EXPECT_TRUE(window.dispatch(windowEvent(SDL_WINDOWEVENT_CLOSE), client));
    EXPECT_EQ(client.closes, 1);
    // A quit event after the close (a signal on the way out): no second save.
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    EXPECT_TRUE(window.dispatch(quit, client));
    EXPECT_EQ(client.closes, 1);
    EXPECT_EQ(client.terminations, 0);
}

TEST(EventPump, ARefusedCloseKeepsTheLoopAndTheNextCloseAsksAgain)
{
    GameWindow window;
    CountingClient client;
    client.mayClose = false;  // the save failed and the player is to read why
    EXPECT_FALSE(window.dispatch(windowEvent(SDL_WINDOWEVENT_CLOSE), client));
    EXPECT_FALSE(window.dispatch(windowEvent(SDL_WINDOWEVENT_EXPOSED), client));
    EXPECT_EQ(client.frames, 1);
    client.mayClose = true;
    EXPECT_TRUE(window.dispatch(windowEvent(SDL_WINDOWEVENT_CLOSE), client));
    EXPECT_EQ(client.closes, 2);
}

TEST(EventPump, ATerminationSignalSavesAndLeavesWithoutAsking)
{
    GameWindow window;
    CountingClient client;
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    EXPECT_TRUE(window.dispatch(quit, client));
    EXPECT_EQ(client.terminations, 1);
    EXPECT_EQ(client.closes, 0);
    EXPECT_EQ(client.frames, 0);
}
