#pragma once
// The keyboard and mouse as the InputSystem sees them. The platform layer implements them
// on SDL; tests hand in a fake. A device is "lost" when the window loses the focus: reads
// fail until it is acquired again.
#include "input/InputSystem.h"
#include "input/PadState.h"

#include <cstdint>
#include <vector>

class InputDevices {
public:
    virtual ~InputDevices() = default;

    // Whether the platform's input layer is there at all, and each device on it.
    virtual bool available() = 0;
    virtual bool hasKeyboard() = 0;
    virtual bool hasMouse() = 0;

    virtual bool acquireKeyboard() = 0;
    virtual bool acquireMouse() = 0;

    // 256 bytes indexed by key code, bit 0x80 = down. false when the device is lost; the
    // buffer is then left as it was.
    virtual bool readKeyboard(std::uint8_t keys[256]) = 0;
    // Movement since the last read and the four button bytes. false when lost.
    virtual bool readMouse(MouseState& state) = 0;
    // Appends what was typed since the last call, in order, and forgets it: the characters
    // as the keyboard layout types them (Unicode code points), and kTypedBackspace for each
    // press of BACKSPACE. A key held down types once, however often the system repeats it.
    virtual void takeTyped(std::vector<std::uint32_t>& typed) = 0;
    // Held: the mouse moves the game's own pointer by raw counts and the system pointer
    // cannot leave the window (rods under the mouse). Free: the system pointer comes and
    // goes as over any window, and reads say where it is.
    virtual void setPointerFree(bool free) { (void)free; }
    // The gamepads connected now, in the order they were connected, each with this frame's
    // sticks and buttons (replacing what `pads` held). A platform without pads has none.
    virtual void readPads(std::vector<PadState>& pads) { pads.clear(); }
};
