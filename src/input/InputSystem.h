#pragma once
// One snapshot per frame of the keyboard and the mouse. Readers (screens, the mouse player's
// hands, widgets) use the public fields directly and never write them. This header has no
// platform dependency, so the rod controls can read a snapshot that a test filled in by hand.
#include "input/KeyCodes.h"
#include "input/PadState.h"

#include <cstdint>
#include <cstring>
#include <vector>

class InputDevices;  // platform keyboard and mouse (src/platform/input/)

// What a press of BACKSPACE puts among the typed characters.
constexpr std::uint32_t kTypedBackspace = 8;

// The raw mouse state of one frame: relative movement in device counts and four button
// bytes (left, right, middle, x1), down when bit 0x80 is set.
struct MouseState {
    int32_t x = 0;
    int32_t y = 0;
    int32_t wheel = 0;
    uint8_t buttons[4] = {0, 0, 0, 0};
    // While the pointer is free (a windowed game at its menus): no movement above, but
    // where the system pointer is, as fractions of the window's width and height, and
    // whether it is over the window at all.
    bool free = false;
    bool overWindow = false;
    float windowU = 0.0f;
    float windowV = 0.0f;
};

class InputSystem {
public:
    float mouseMoveX = 0.0f;
    float mouseMoveY = 0.0f;
    MouseState mouseState;
    InputDevices* devices = nullptr;  // owned; null until init succeeded
    uint8_t keys[256];
    uint8_t previousKeys[256];
    // What was typed since the previous poll, in order: characters as the keyboard layout
    // types them (Unicode code points; "a" on any layout is the key that types "a") and
    // kTypedBackspace. Name entry and the quit question's Y and N read these, so keys
    // pressed within one slow frame keep their order and none pressed and released between
    // two frames is lost; the command keys read the snapshot by position.
    std::vector<std::uint32_t> typed;
    // The gamepads connected in this frame and in the previous one (see pollPads).
    std::vector<PadState> pads;
    std::vector<PadState> previousPads;

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
    // See InputDevices::setPointerFree.
    void setPointerFree(bool free);

    bool isDown(uint8_t key) const { return (keys[key] & Key::DownBit) != 0; }
    bool wasDown(uint8_t key) const { return (previousKeys[key] & Key::DownBit) != 0; }
    // Down in this frame and up in the previous one: the edge single actions react to.
    bool isPressed(uint8_t key) const { return isDown(key) && !wasDown(key); }
    bool isButtonDown(int button) const { return (mouseState.buttons[button & 3] & Key::DownBit) != 0; }

    // previousPads = pads, then the pads connected now with their sticks and buttons; poll
    // does it every frame.
    void pollPads();
    // The connected pad with that id, null when it is not (or no longer) connected.
    const PadState* findPad(std::int32_t id) const { return findIn(pads, id); }
    // The button went down in this frame (it was up in the previous one, or the pad is new).
    bool isPadPressed(std::int32_t id, int button) const
    {
        const PadState* now = findPad(id);
        const PadState* before = findIn(previousPads, id);
        return now && now->isDown(button) && !(before && before->isDown(button));
    }

private:
    static const PadState* findIn(const std::vector<PadState>& list, std::int32_t id)
    {
        for (const PadState& pad : list)
            if (pad.id == id && id != kNoPad) return &pad;
        return nullptr;
    }
};
