// The menu keys read from SDL: arrows, ENTER and ESC from key events, and a pad's d-pad,
// left stick, A and B from a virtual game controller driven through SDL's own events, all
// reaching the input system in the order they came.
#include "input/FakeInputDevices.h"
#include "input/InputSystem.h"
#include "platform/input/MenuKeyEvents.h"
#include "platform/input/SdlInputDevices.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

SDL_Event keyDown(SDL_Scancode scancode, Uint16 mod = KMOD_NONE, bool repeat = false)
{
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.scancode = scancode;
    e.key.keysym.mod = mod;
    e.key.repeat = repeat ? 1 : 0;
    return e;
}

std::vector<MenuKey> taken(MenuKeyEvents& events)
{
    std::vector<MenuKeyPress> presses;
    events.take(presses);
    std::vector<MenuKey> keys;
    for (const MenuKeyPress& p : presses) keys.push_back(p.key);
    return keys;
}

TEST(PadMenuKeys, KeyboardArrowsRepeatEnterAndEscOncePerPressAltEnterIsTheWindows)
{
    MenuKeyEvents events;
    for (const SDL_Event& e : {keyDown(SDL_SCANCODE_DOWN), keyDown(SDL_SCANCODE_DOWN, KMOD_NONE, true),
                               keyDown(SDL_SCANCODE_RETURN), keyDown(SDL_SCANCODE_RETURN, KMOD_NONE, true),
                               keyDown(SDL_SCANCODE_RETURN, KMOD_LALT), keyDown(SDL_SCANCODE_KP_ENTER),
                               keyDown(SDL_SCANCODE_ESCAPE), keyDown(SDL_SCANCODE_ESCAPE, KMOD_NONE, true),
                               keyDown(SDL_SCANCODE_A), keyDown(SDL_SCANCODE_LEFT)})
        events.handleEvent(e);
    EXPECT_EQ(taken(events), (std::vector<MenuKey>{MenuKey::Down, MenuKey::Down, MenuKey::Press, MenuKey::Press,
                                                   MenuKey::Back, MenuKey::Left}));
    EXPECT_TRUE(taken(events).empty());  // taken once
}

// A virtual pad with SDL's standard buttons and axes, opened as a game controller.
struct VirtualPad : ::testing::Test {
    int deviceIndex = -1;
    SDL_Joystick* joystick = nullptr;
    SDL_GameController* controller = nullptr;

    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER | SDL_INIT_EVENTS), 0) << SDL_GetError();
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "Pitchbar test pad";
        deviceIndex = SDL_JoystickAttachVirtualEx(&desc);
        ASSERT_GE(deviceIndex, 0) << SDL_GetError();
        controller = SDL_GameControllerOpen(deviceIndex);
        ASSERT_NE(controller, nullptr) << SDL_GetError();
        joystick = SDL_GameControllerGetJoystick(controller);
        drain(nullptr);
    }
    void TearDown() override {
        if (controller) SDL_GameControllerClose(controller);
        if (deviceIndex >= 0) SDL_JoystickDetachVirtual(deviceIndex);
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER | SDL_INIT_EVENTS);
    }
    // SDL's events since the last call, handed to the devices as the window hands them.
    void drain(SdlInputDevices* devices) {
        SDL_GameControllerUpdate();
        SDL_Event e;
        while (SDL_PollEvent(&e))
            if (devices) devices->handleEvent(e);
    }
    void tap(SdlInputDevices& devices, SDL_GameControllerButton button) {
        SDL_JoystickSetVirtualButton(joystick, button, 1);
        drain(&devices);
        SDL_JoystickSetVirtualButton(joystick, button, 0);
        drain(&devices);
    }
    void stick(SdlInputDevices& devices, SDL_GameControllerAxis axis, Sint16 value) {
        SDL_JoystickSetVirtualAxis(joystick, axis, value);
        drain(&devices);
    }
};

TEST_F(VirtualPad, DpadLeftStickAAndBAreMenuKeysFromAPad)
{
    auto* devices = new SdlInputDevices(nullptr);
    tap(*devices, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    tap(*devices, SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    tap(*devices, SDL_CONTROLLER_BUTTON_X);  // not a menu key
    // The stick counts once when pushed past half way, and again only after coming back.
    stick(*devices, SDL_CONTROLLER_AXIS_LEFTY, -20000);
    stick(*devices, SDL_CONTROLLER_AXIS_LEFTY, -30000);
    stick(*devices, SDL_CONTROLLER_AXIS_LEFTY, -12000);
    stick(*devices, SDL_CONTROLLER_AXIS_LEFTY, -20000);
    stick(*devices, SDL_CONTROLLER_AXIS_LEFTY, 0);
    stick(*devices, SDL_CONTROLLER_AXIS_LEFTX, -32768);
    stick(*devices, SDL_CONTROLLER_AXIS_LEFTX, 0);
    stick(*devices, SDL_CONTROLLER_AXIS_RIGHTX, 32767);  // the other stick is the rods'
    tap(*devices, SDL_CONTROLLER_BUTTON_A);
    tap(*devices, SDL_CONTROLLER_BUTTON_B);

    std::vector<MenuKeyPress> keys;
    devices->takeMenuKeys(keys);
    const std::vector<MenuKey> expected{MenuKey::Down, MenuKey::Right, MenuKey::Up, MenuKey::Left, MenuKey::Press,
                                        MenuKey::Back};
    ASSERT_EQ(keys.size(), expected.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(keys[i].key, expected[i]) << i;
        EXPECT_TRUE(keys[i].fromPad) << i;
    }

    delete devices;
}

TEST(PadMenuKeys, EachPollHoldsTheFramesMenuKeysAndNoneWhileTheKeyboardIsLost)
{
    auto* fake = new FakeInputDevices;
    InputSystem input;
    ASSERT_TRUE(input.init(fake));
    fake->menuKeys = {{MenuKey::Down, true}, {MenuKey::Press, false}};
    input.poll();
    ASSERT_EQ(input.menuKeys.size(), 2u);
    EXPECT_EQ(input.menuKeys[0].key, MenuKey::Down);
    EXPECT_TRUE(input.menuKeys[0].fromPad);
    EXPECT_EQ(input.menuKeys[1].key, MenuKey::Press);
    input.poll();
    EXPECT_TRUE(input.menuKeys.empty());
    // The window without the focus: nothing pressed reaches the menus.
    fake->lost = true;
    fake->focused = false;
    fake->menuKeys = {{MenuKey::Back, false}};
    input.poll();
    EXPECT_TRUE(input.menuKeys.empty());
}

}  // namespace
