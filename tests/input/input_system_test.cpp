#include "input/InputSystem.h"
#include "input/FakeInputDevices.h"
#include "platform/input/SdlInputDevices.h"

#include <SDL.h>

#include "core/ErrorLog.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

namespace {
std::string readErrors(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

struct InitFailure {
    void (*breakIt)(FakeInputDevices&);
    const char* line;
};
} // namespace

TEST(InputSystemInit, EachMissingPieceWritesItsLineAndFails)
{
    const std::string path = "input_init_errors.txt";
    const InitFailure cases[] = {
        {[](FakeInputDevices& d) { d.isAvailable = false; }, "error: Directinput not available\n"},
        {[](FakeInputDevices& d) { d.keyboardPresent = false; }, "error: Could not create Directinput device for keyboard.\n"},
        {[](FakeInputDevices& d) { d.mousePresent = false; }, "error: Could not create Directinput device for mouse.\n"},
        {[](FakeInputDevices& d) { d.acquireKeyboardWorks = false; }, "error: Could not acquire keyboard.\n"},
        {[](FakeInputDevices& d) { d.acquireMouseWorks = false; }, "error: Could not acquire mouse.\n"},
    };
    setErrorLogPath(path);
    for (const InitFailure& c : cases) {
        std::remove(path.c_str());
        InputSystem input;
        auto* devices = new FakeInputDevices;
        c.breakIt(*devices);
        EXPECT_FALSE(input.init(devices));
        EXPECT_EQ(readErrors(path), c.line);
    }
    std::remove(path.c_str());
    InputSystem none;
    EXPECT_FALSE(none.init(nullptr));
    EXPECT_EQ(readErrors(path), "error: Directinput not available\n");
    none.poll();  // no devices: nothing to read, nothing breaks

    std::remove(path.c_str());
    InputSystem good;
    EXPECT_TRUE(good.init(new FakeInputDevices));
    EXPECT_EQ(readErrors(path), "");
    setErrorLogPath("error.txt");
}

TEST(InputSystemPoll, HeldKeyIsPressedInExactlyOneFrame)
{
    InputSystem input;
    auto* devices = new FakeInputDevices;
    ASSERT_TRUE(input.init(devices));
    input.poll();
    EXPECT_FALSE(input.isPressed(Key::P));

    devices->keys[Key::P] = 0x80;
    input.poll();
    EXPECT_TRUE(input.isPressed(Key::P));
    EXPECT_TRUE(input.isDown(Key::P));
    for (int frame = 0; frame < 3; ++frame) {
        input.poll();
        EXPECT_FALSE(input.isPressed(Key::P));
        EXPECT_TRUE(input.isDown(Key::P));
    }
    devices->keys[Key::P] = 0;
    input.poll();
    EXPECT_FALSE(input.isDown(Key::P));
    EXPECT_TRUE(input.wasDown(Key::P));
    devices->keys[Key::P] = 0x80;
    input.poll();
    EXPECT_TRUE(input.isPressed(Key::P));
}

TEST(InputSystemPoll, MouseMovementAndButtonsComeFromThisFrame)
{
    InputSystem input;
    auto* devices = new FakeInputDevices;
    ASSERT_TRUE(input.init(devices));
    devices->mouse.x = -7;
    devices->mouse.y = 12;
    devices->mouse.buttons[1] = 0x80;
    input.poll();
    EXPECT_FLOAT_EQ(input.mouseMoveX, -7.0f);
    EXPECT_FLOAT_EQ(input.mouseMoveY, 12.0f);
    EXPECT_FALSE(input.isButtonDown(0));
    EXPECT_TRUE(input.isButtonDown(1));
}

TEST(InputSystemPoll, LostDevicesKeepStateUntilFocusReturnsThenReacquire)
{
    InputSystem input;
    auto* devices = new FakeInputDevices;
    ASSERT_TRUE(input.init(devices));
    devices->keys[Key::Space] = 0x80;
    devices->mouse.x = 5;
    devices->mouse.buttons[0] = 0x80;
    input.poll();

    // Focus gone: every read fails, acquiring cannot take the devices back.
    devices->focused = false;
    devices->lost = true;
    devices->keys[Key::Space] = 0;
    int acquiresBefore = devices->keyboardAcquires;
    input.poll();
    EXPECT_EQ(devices->keyboardAcquires, acquiresBefore + 1);
    EXPECT_TRUE(input.isDown(Key::Space));        // last contents kept
    EXPECT_FALSE(input.isPressed(Key::Space));    // and no new edge from them
    EXPECT_TRUE(input.isButtonDown(0));
    EXPECT_FLOAT_EQ(input.mouseMoveX, 0.0f);      // a lost mouse does not keep moving

    // Focus back: the very next poll re-acquires and reads fresh states.
    devices->focused = true;
    devices->mouse.x = 3;
    devices->mouse.buttons[0] = 0;
    input.poll();
    EXPECT_FALSE(devices->lost);
    EXPECT_FALSE(input.isDown(Key::Space));
    EXPECT_FALSE(input.isButtonDown(0));
    EXPECT_FLOAT_EQ(input.mouseMoveX, 3.0f);
    devices->keys[Key::Space] = 0x80;
    input.poll();
    EXPECT_TRUE(input.isPressed(Key::Space));
}

TEST(InputSystemPoll, KeyPressesComeInTheOrderTheKeysWentDownOncePerPress)
{
    InputSystem input;
    auto* devices = new FakeInputDevices;
    ASSERT_TRUE(input.init(devices));
    devices->keyPresses = {Key::T, Key::E, Key::S, Key::T, Key::E, Key::R};
    devices->keys[Key::R] = 0x80;
    input.poll();
    EXPECT_EQ((std::vector<std::uint8_t>{Key::T, Key::E, Key::S, Key::T, Key::E, Key::R}), input.keyPresses);
    input.poll();
    EXPECT_TRUE(input.keyPresses.empty());
    EXPECT_TRUE(input.isDown(Key::R));  // the snapshot is read as before

    // Presses that arrive while the keyboard is lost type nothing, then or later.
    devices->focused = false;
    devices->lost = true;
    devices->keyPresses = {Key::A};
    input.poll();
    EXPECT_TRUE(input.keyPresses.empty());
    devices->focused = true;
    input.poll();
    EXPECT_TRUE(input.keyPresses.empty());
}

namespace {
SDL_Event keyEvent(Uint32 type, SDL_Scancode scancode, bool repeat = false)
{
    SDL_Event e{};
    e.type = type;
    e.key.type = type;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.repeat = repeat ? 1 : 0;
    e.key.keysym.scancode = scancode;
    return e;
}
} // namespace

TEST(SdlKeyPresses, KeyDownEventsQueueInOrderWithoutRepeatsUntilTaken)
{
    SdlInputDevices devices(nullptr);
    // T E S T E R typed between two frames, each key up before the next goes down, the
    // system repeating the held R.
    for (SDL_Scancode sc : {SDL_SCANCODE_T, SDL_SCANCODE_E, SDL_SCANCODE_S, SDL_SCANCODE_T,
                            SDL_SCANCODE_E, SDL_SCANCODE_R}) {
        devices.handleEvent(keyEvent(SDL_KEYDOWN, sc));
        if (sc != SDL_SCANCODE_R)
            devices.handleEvent(keyEvent(SDL_KEYUP, sc));
    }
    devices.handleEvent(keyEvent(SDL_KEYDOWN, SDL_SCANCODE_R, true));
    devices.handleEvent(keyEvent(SDL_KEYDOWN, SDL_SCANCODE_F24));  // no code in the game: skipped
    std::vector<std::uint8_t> codes;
    devices.takeKeyPresses(codes);
    EXPECT_EQ((std::vector<std::uint8_t>{Key::T, Key::E, Key::S, Key::T, Key::E, Key::R}), codes);
    codes.clear();
    devices.takeKeyPresses(codes);
    EXPECT_TRUE(codes.empty());

    // Losing the focus forgets what was typed; a flood is bounded.
    devices.handleEvent(keyEvent(SDL_KEYDOWN, SDL_SCANCODE_A));
    SDL_Event focusLost{};
    focusLost.type = SDL_WINDOWEVENT;
    focusLost.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    devices.handleEvent(focusLost);
    devices.takeKeyPresses(codes);
    EXPECT_TRUE(codes.empty());
    for (int i = 0; i < 1000; ++i)
        devices.handleEvent(keyEvent(SDL_KEYDOWN, SDL_SCANCODE_A));
    devices.takeKeyPresses(codes);
    EXPECT_GT(codes.size(), 16u);
    EXPECT_LT(codes.size(), 1000u);
}
