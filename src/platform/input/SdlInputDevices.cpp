#include "platform/input/SdlInputDevices.h"

#include "input/KeyCodes.h"
#include "platform/input/ScanCodeMap.h"

#include <SDL.h>

#include <cstring>

namespace {

// The code points of a UTF-8 text as SDL's text events carry it; a malformed sequence
// types nothing.
std::vector<std::uint32_t> decodeUtf8(const char* text)
{
    std::vector<std::uint32_t> out;
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p) {
        std::uint32_t c = *p;
        int more = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
        if (more < 0) {
            ++p;
            continue;
        }
        c = more == 0 ? c : c & (0x3F >> more);
        ++p;
        bool whole = true;
        for (int k = 0; k < more; ++k, ++p) {
            if ((*p & 0xC0) != 0x80) {
                whole = false;
                break;
            }
            c = (c << 6) | (*p & 0x3F);
        }
        if (whole)
            out.push_back(c);
    }
    return out;
}
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
    if (mouseAcquired_ && focused() && !pointerFree_) {
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
    int dx = 0, dy = 0;
    Uint32 mask = 0;
    state.free = pointerFree_;
    state.overWindow = false;
    if (pointerFree_) {
        // The system pointer is the player's: where it is over the window says where the
        // game's pointer is.
        int x = 0, y = 0, w = 0, h = 0;
        mask = SDL_GetMouseState(&x, &y);
        SDL_GetWindowSize(window_->sdlWindow(), &w, &h);
        state.overWindow = SDL_GetMouseFocus() == window_->sdlWindow() && w > 0 && h > 0;
        state.windowU = w > 0 ? static_cast<float>(x) / static_cast<float>(w) : 0.0f;
        state.windowV = h > 0 ? static_cast<float>(y) / static_cast<float>(h) : 0.0f;
    } else {
        if (!SDL_GetRelativeMouseMode())
            SDL_SetRelativeMouseMode(SDL_TRUE);
        mask = SDL_GetRelativeMouseState(&dx, &dy);
    }
    state.x = dx;
    state.y = dy;
    state.wheel = 0;
    const Uint32 masks[4] = {SDL_BUTTON_LMASK, SDL_BUTTON_RMASK, SDL_BUTTON_MMASK, SDL_BUTTON_X1MASK};
    for (int i = 0; i < 4; ++i)
        state.buttons[i] = static_cast<std::uint8_t>(((mask & masks[i]) ? Key::DownBit : 0) | latchedButtons_[i]);
    std::memset(latchedButtons_, 0, sizeof latchedButtons_);
    return true;
}

void SdlInputDevices::setPointerFree(bool free)
{
    if (free == pointerFree_)
        return;
    pointerFree_ = free;
    if (free) {
        SDL_SetRelativeMouseMode(SDL_FALSE);
    } else if (mouseAcquired_ && focused()) {
        SDL_SetRelativeMouseMode(SDL_TRUE);
        SDL_GetRelativeMouseState(nullptr, nullptr);  // the free pointer's travel is no rod's
    }
}

void SdlInputDevices::takeTyped(std::vector<std::uint32_t>& typed)
{
    typed.insert(typed.end(), typed_.begin(), typed_.end());
    typed_.clear();
}

void SdlInputDevices::addTyped(std::uint32_t character)
{
    if (typed_.size() < kMaxTyped)
        typed_.push_back(character);
}

bool SdlInputDevices::startPads(const std::string& mappingsFile)
{
    return pads_.start(mappingsFile);
}

void SdlInputDevices::readPads(std::vector<PadState>& pads)
{
    pads_.read(pads);
}

void SdlInputDevices::handleEvent(const SDL_Event& event)
{
    pads_.handleEvent(event);
    switch (event.type) {
    case SDL_KEYDOWN:
        if (std::uint8_t code = keyCodeForScancode(event.key.keysym.scancode))
            latchedKeys_[code] = Key::DownBit;
        lastKeyRepeated_ = event.key.repeat != 0;
        if (!event.key.repeat && event.key.keysym.scancode == SDL_SCANCODE_BACKSPACE)
            addTyped(kTypedBackspace);
        break;
    case SDL_TEXTINPUT:
        // The text of a repeated key-down follows it at once: that one is dropped.
        if (lastKeyRepeated_) {
            lastKeyRepeated_ = false;
            break;
        }
        for (std::uint32_t character : decodeUtf8(event.text.text))
            addTyped(character);
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
            typed_.clear();
        }
        break;
    default:
        break;
    }
}
