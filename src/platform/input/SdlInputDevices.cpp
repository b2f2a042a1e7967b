#include "platform/input/SdlInputDevices.h"

#include "input/KeyCodes.h"
#include "platform/input/ScanCodeMap.h"

#include <SDL.h>

#include <cstring>

namespace {
int buttonSlot(Uint8 sdlButton)
{
    switch (sdlButton) {
    case SDL_BUTTON_LEFT: return 0;
    case SDL_BUTTON_RIGHT: return 1;
    case SDL_BUTTON_MIDDLE: return 2;
    case SDL_BUTTON_X1: return 3;
    default: return -1;
    }
}
} // namespace

SdlInputDevices::SdlInputDevices(GameWindow* window) : window_(window)
{
    if (window_)
        window_->addEventListener(this);
}

SdlInputDevices::~SdlInputDevices()
{
    if (window_)
        window_->removeEventListener(this);
    if (mouseAcquired_)
        SDL_SetRelativeMouseMode(SDL_FALSE);
}

bool SdlInputDevices::available() { return SDL_WasInit(SDL_INIT_EVENTS) != 0; }
bool SdlInputDevices::hasKeyboard() { return window_ && window_->sdlWindow(); }
bool SdlInputDevices::hasMouse() { return window_ && window_->sdlWindow(); }

bool SdlInputDevices::focused() const { return window_ && window_->hasInputFocus(); }

bool SdlInputDevices::acquireKeyboard()
{
    // At start-up the window is still hidden; the device counts as acquired and the first
    // read with the focus takes it for real.
    keyboardAcquired_ = available();
    return keyboardAcquired_;
}

bool SdlInputDevices::acquireMouse()
{
    mouseAcquired_ = available();
    if (mouseAcquired_ && focused()) {
        SDL_SetRelativeMouseMode(SDL_TRUE);
        SDL_GetRelativeMouseState(nullptr, nullptr);  // drop what piled up while lost
    }
    return mouseAcquired_;
}

bool SdlInputDevices::readKeyboard(std::uint8_t keys[256])
{
    if (!focused())
        keyboardAcquired_ = false;
    if (!keyboardAcquired_)
        return false;

    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    std::memset(keys, 0, 256);
    for (int sc = 0; sc < count; ++sc) {
        if (!state[sc])
            continue;
        std::uint8_t code = keyCodeForScancode(static_cast<SDL_Scancode>(sc));
        if (code)
            keys[code] = Key::DownBit;
    }
    for (int i = 0; i < 256; ++i)
        keys[i] |= latchedKeys_[i];
    std::memset(latchedKeys_, 0, sizeof latchedKeys_);
    return true;
}

bool SdlInputDevices::readMouse(MouseState& state)
{
    if (!focused())
        mouseAcquired_ = false;
    if (!mouseAcquired_)
        return false;
    if (!SDL_GetRelativeMouseMode())
        SDL_SetRelativeMouseMode(SDL_TRUE);

    int dx = 0, dy = 0;
    Uint32 mask = SDL_GetRelativeMouseState(&dx, &dy);
    state.x = dx;
    state.y = dy;
    state.wheel = 0;
    const Uint32 masks[4] = {SDL_BUTTON_LMASK, SDL_BUTTON_RMASK, SDL_BUTTON_MMASK, SDL_BUTTON_X1MASK};
    for (int i = 0; i < 4; ++i)
        state.buttons[i] = static_cast<std::uint8_t>(((mask & masks[i]) ? Key::DownBit : 0) | latchedButtons_[i]);
    std::memset(latchedButtons_, 0, sizeof latchedButtons_);
    return true;
}

void SdlInputDevices::takeKeyPresses(std::vector<std::uint8_t>& codes)
{
    codes.insert(codes.end(), keyPresses_.begin(), keyPresses_.end());
    keyPresses_.clear();
}

void SdlInputDevices::handleEvent(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_KEYDOWN:
        if (std::uint8_t code = keyCodeForScancode(event.key.keysym.scancode)) {
            latchedKeys_[code] = Key::DownBit;
            if (!event.key.repeat && keyPresses_.size() < kMaxKeyPresses)
                keyPresses_.push_back(code);
        }
        break;
    case SDL_MOUSEBUTTONDOWN: {
        int slot = buttonSlot(event.button.button);
        if (slot >= 0)
            latchedButtons_[slot] = Key::DownBit;
        break;
    }
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
            keyboardAcquired_ = false;
            mouseAcquired_ = false;
            std::memset(latchedKeys_, 0, sizeof latchedKeys_);
            std::memset(latchedButtons_, 0, sizeof latchedButtons_);
            keyPresses_.clear();
        }
        break;
    default:
        break;
    }
}
