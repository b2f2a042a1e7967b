#pragma once
// Keyboard and mouse on SDL: the keyboard state mapped onto the game's key codes and the
// mouse in relative mode (no system cursor, raw counts). Presses seen in the event queue
// are latched until the next read, so a key tapped or a button clicked between two frames
// still reads as down once, however low the frame rate; the key-down events are also kept
// in their order for typing. Both devices are lost while the
// window has no focus.
#include "input/InputDevices.h"
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
    void takeKeyPresses(std::vector<std::uint8_t>& codes) override;

    void handleEvent(const SDL_Event& event) override;

private:
    bool focused() const;

    GameWindow* window_;
    bool keyboardAcquired_ = false;
    bool mouseAcquired_ = false;
    std::uint8_t latchedKeys_[256] = {};
    std::uint8_t latchedButtons_[4] = {};
    // Key-down events since the last take, in order; bounded, so that nobody taking them
    // cannot make it grow.
    static constexpr std::size_t kMaxKeyPresses = 64;
    std::vector<std::uint8_t> keyPresses_;
};
