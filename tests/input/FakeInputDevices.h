#pragma once
// Keyboard and mouse that a test drives by hand: what the next read returns, whether the
// devices are lost, and what acquiring does.
#include "input/InputDevices.h"

#include <cstring>
#include <vector>

class FakeInputDevices : public InputDevices {
public:
    bool isAvailable = true, keyboardPresent = true, mousePresent = true;
    bool acquireKeyboardWorks = true, acquireMouseWorks = true;
    bool lost = false;            // reads fail until acquired while focused
    bool focused = true;          // acquiring only takes the device back with the focus
    std::uint8_t keys[256] = {};
    MouseState mouse;
    std::vector<std::uint32_t> typed;  // characters typed for the next poll
    std::vector<MenuKeyPress> menuKeys;  // menu keys for the next poll
    int keyboardAcquires = 0, mouseAcquires = 0;

    bool available() override { return isAvailable; }
    bool hasKeyboard() override { return keyboardPresent; }
    bool hasMouse() override { return mousePresent; }
    bool acquireKeyboard() override { ++keyboardAcquires; return acquire() && acquireKeyboardWorks; }
    bool acquireMouse() override { ++mouseAcquires; return acquire() && acquireMouseWorks; }
    bool readKeyboard(std::uint8_t out[256]) override
    {
        if (lost) return false;
        std::memcpy(out, keys, 256);
        return true;
    }
    bool readMouse(MouseState& out) override
    {
        if (lost) return false;
        out = mouse;
        return true;
    }

    void takeTyped(std::vector<std::uint32_t>& out) override
    {
        out.insert(out.end(), typed.begin(), typed.end());
        typed.clear();
    }
    void takeMenuKeys(std::vector<MenuKeyPress>& out) override
    {
        out.insert(out.end(), menuKeys.begin(), menuKeys.end());
        menuKeys.clear();
    }

private:
    bool acquire()
    {
        if (focused) lost = false;
        return true;
    }
};
