#pragma once
// One snapshot per frame of the keyboard and the mouse. Readers (screens, the rod controls,
// the match screen) use the public fields directly; the match screen temporarily overwrites
// the movement during its sub-steps. This header has no platform dependency, so the rod
// controls can read a snapshot that a test filled in by hand.
#include "input/KeyCodes.h"

#include <cstdint>
#include <cstring>
#include <vector>

class InputDevices;  // platform keyboard and mouse (src/platform/input/)

// The raw mouse state of one frame: relative movement in device counts and four button
// bytes (left, right, middle, x1), down when bit 0x80 is set.
struct MouseState {
    int32_t x = 0;
    int32_t y = 0;
    int32_t wheel = 0;
    uint8_t buttons[4] = {0, 0, 0, 0};
};

class InputSystem {
public:
    float mouseMoveX = 0.0f;
    float mouseMoveY = 0.0f;
    MouseState mouseState;
    InputDevices* devices = nullptr;  // owned; null until init succeeded
    uint8_t keys[256];
    uint8_t previousKeys[256];
    // The keys that went down since the previous poll, in the order they went down, each
    // press once: typing reads these, so that keys pressed within one slow frame keep their
    // order and a key pressed and released between two frames is not lost.
    std::vector<uint8_t> keyPresses;

    InputSystem() {
        std::memset(keys, 0, sizeof keys);
        std::memset(previousKeys, 0, sizeof previousKeys);
    }
    ~InputSystem();
    InputSystem(const InputSystem&) = delete;
    InputSystem& operator=(const InputSystem&) = delete;

    // Takes ownership of the platform devices and acquires them; false (after writing the
    // error line) when they are not available.
    bool init(InputDevices* platformDevices);
    // previousKeys = keys, then this frame's keyboard and mouse states and key presses.
    void poll();

    bool isDown(uint8_t key) const { return (keys[key] & Key::DownBit) != 0; }
    bool wasDown(uint8_t key) const { return (previousKeys[key] & Key::DownBit) != 0; }
    // Down in this frame and up in the previous one: the edge single actions react to.
    bool isPressed(uint8_t key) const { return isDown(key) && !wasDown(key); }
    bool isButtonDown(int button) const { return (mouseState.buttons[button & 3] & Key::DownBit) != 0; }
};
