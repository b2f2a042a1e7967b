#include "input/InputSystem.h"
#include "input/FakeInputDevices.h"
#include "platform/input/SdlInputDevices.h"

#include <SDL.h>

#include "core/ErrorLog.h"
#include "support/FileText.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

struct InitFailure {
    void (*breakIt)(FakeInputDevices&);
    const char* line;
};

// A started input system on fake devices the case changes between polls.
struct InputSystemPoll : ::testing::Test {
    InputSystem input;
    FakeInputDevices* devices = new FakeInputDevices;  // the input system owns it
    void SetUp() override { ASSERT_TRUE(input.init(devices)); }
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
        EXPECT_EQ(fileText(path), c.line);
    }
    std::remove(path.c_str());
    InputSystem none;
    EXPECT_FALSE(none.init(nullptr));
    EXPECT_EQ(fileText(path), "error: Directinput not available\n");
    none.poll();  // no devices: nothing to read, nothing breaks

    std::remove(path.c_str());
    InputSystem good;
    EXPECT_TRUE(good.init(new FakeInputDevices));
    EXPECT_EQ(fileText(path), "");
    setErrorLogPath("error.txt");
}

TEST_F(InputSystemPoll, HeldKeyIsPressedInExactlyOneFrame)
{
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

TEST_F(InputSystemPoll, MouseMovementAndButtonsComeFromThisFrame)
{
    devices->mouse.x = -7;
    devices->mouse.y = 12;
    devices->mouse.buttons[1] = 0x80;
    input.poll();
    EXPECT_FLOAT_EQ(input.mouseMoveX, -7.0f);
    EXPECT_FLOAT_EQ(input.mouseMoveY, 12.0f);
    EXPECT_FALSE(input.isButtonDown(0));
    EXPECT_TRUE(input.isButtonDown(1));
}

TEST_F(InputSystemPoll, LostDevicesKeepStateUntilFocusReturnsThenReacquire)
{
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

TEST_F(InputSystemPoll, TypedCharactersComeInTheOrderTheyWereTypedOnce)
{
    devices->typed = {'t', 'e', 's', 't', 'e', 'r'};
    devices->keys[Key::R] = 0x80;
    input.poll();
    EXPECT_EQ((std::vector<std::uint32_t>{'t', 'e', 's', 't', 'e', 'r'}), input.typed);
    input.poll();
    EXPECT_TRUE(input.typed.empty());
    EXPECT_TRUE(input.isDown(Key::R));  // the snapshot is read as before

    // Presses that arrive while the keyboard is lost type nothing, then or later.
    devices->focused = false;
    devices->lost = true;
    devices->typed = {'a'};
    input.poll();
    EXPECT_TRUE(input.typed.empty());
    devices->focused = true;
    input.poll();
    EXPECT_TRUE(input.typed.empty());
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

SDL_Event textEvent(const char* utf8)
{
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    std::strncpy(e.text.text, utf8, sizeof e.text.text - 1);
    return e;
}
} // namespace

TEST(SdlTyping, TheLayoutsCharactersQueueInOrderAHeldKeyTypesOnce)
{
    SdlInputDevices devices(nullptr);
    // "amelie" typed on a French keyboard: the key in the place of Q types a, the one in
    // the place of the semicolon types m. The characters count, not the places.
    const std::pair<SDL_Scancode, const char*> keys[] = {
        {SDL_SCANCODE_Q, "a"}, {SDL_SCANCODE_SEMICOLON, "m"}, {SDL_SCANCODE_E, "e"},
        {SDL_SCANCODE_L, "l"}, {SDL_SCANCODE_I, "i"}, {SDL_SCANCODE_E, "\xc3\xa9"}};
    for (const auto& k : keys) {
        devices.handleEvent(keyEvent(SDL_KEYDOWN, k.first));
        devices.handleEvent(textEvent(k.second));
        devices.handleEvent(keyEvent(SDL_KEYUP, k.first));
    }
    devices.handleEvent(keyEvent(SDL_KEYDOWN, SDL_SCANCODE_BACKSPACE));
    // The system repeating a held key: neither its text nor another backspace.
    devices.handleEvent(keyEvent(SDL_KEYDOWN, SDL_SCANCODE_BACKSPACE, true));
    devices.handleEvent(keyEvent(SDL_KEYDOWN, SDL_SCANCODE_X));
    devices.handleEvent(textEvent("x"));
    devices.handleEvent(keyEvent(SDL_KEYDOWN, SDL_SCANCODE_X, true));
    devices.handleEvent(textEvent("x"));
    devices.handleEvent(textEvent("\xff\xc3"));  // malformed: types nothing
    std::vector<std::uint32_t> typed;
    devices.takeTyped(typed);
    EXPECT_EQ((std::vector<std::uint32_t>{'a', 'm', 'e', 'l', 'i', 0xE9, kTypedBackspace, 'x'}), typed);
    typed.clear();
    devices.takeTyped(typed);
    EXPECT_TRUE(typed.empty());

    // Losing the focus forgets what was typed; a flood is bounded.
    devices.handleEvent(textEvent("a"));
    SDL_Event focusLost{};
    focusLost.type = SDL_WINDOWEVENT;
    focusLost.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    devices.handleEvent(focusLost);
    devices.takeTyped(typed);
    EXPECT_TRUE(typed.empty());
    for (int i = 0; i < 1000; ++i)
        devices.handleEvent(textEvent("a"));
    devices.takeTyped(typed);
    EXPECT_GT(typed.size(), 16u);
    EXPECT_LT(typed.size(), 1000u);
}
