#pragma once
// Keyboard and mouse on SDL: the keyboard state mapped onto the game's key codes and the
// mouse in relative mode (no system cursor, raw counts). Presses seen in the event queue
// are latched until the next read, so a key tapped or a button clicked between two frames
// still reads as down once, however low the frame rate. What the keyboard types (SDL's text
// events, so the layout decides the character) is kept in order for name entry. Both
// devices are lost while the window has no focus.
#include "input/InputDevices.h"
#include "platform/input/SdlGamepads.h"
#include "platform/window/GameWindow.h"

class SdlInputDevices : public InputDevices, public WindowEventListener {
public:
    explicit SdlInputDevices(GameWindow* window);
    ~SdlInputDevices() override;

    bool available() override;
    bool hasKeyboard() override;
    bool hasMouse() override;
    bool acquireKeyboard() override;
    bool acquireMouse() override;
    bool readKeyboard(std::uint8_t keys[256]) override;
    bool readMouse(MouseState& state) override;
    void takeTyped(std::vector<std::uint32_t>& typed) override;
    void setPointerFree(bool free) override;

    void handleEvent(const SDL_Event& event) override;

    // Gamepads, from now on (see SdlGamepads::start); false when SDL has none to give.
    bool startPads(const std::string& mappingsFile);
    void readPads(std::vector<PadState>& pads) override;

private:
    bool focused() const;

    GameWindow* window_;
    bool keyboardAcquired_ = false;
    bool mouseAcquired_ = false;
    bool pointerFree_ = false;
    std::uint8_t latchedKeys_[256] = {};
    std::uint8_t latchedButtons_[4] = {};
    // Typed characters since the last take, in order; bounded, so that nobody taking them
    // cannot make it grow.
    static constexpr std::size_t kMaxTyped = 64;
    std::vector<std::uint32_t> typed_;
    // The last key-down was the system repeating a held key: the text it types is dropped,
    // so a held key types once.
    bool lastKeyRepeated_ = false;

    void addTyped(std::uint32_t character);

    SdlGamepads pads_;
};
