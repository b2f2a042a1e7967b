#include "platform/input/ScanCodeMap.h"

#include "input/KeyCodes.h"

std::uint8_t keyCodeForScancode(SDL_Scancode scancode)
{
    // Letters are contiguous in SDL but follow the keyboard rows in set 1.
    static const std::uint8_t letters[26] = {
        Key::A, Key::B, Key::C, Key::D, Key::E, Key::F, Key::G, Key::H, Key::I,
        Key::J, Key::K, Key::L, Key::M, Key::N, Key::O, Key::P, Key::Q, Key::R,
        Key::S, Key::T, Key::U, Key::V, Key::W, Key::X, Key::Y, Key::Z};
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z)
        return letters[scancode - SDL_SCANCODE_A];
    // SDL orders the digit row 1..9, 0 exactly as set 1 does.
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_0)
        return static_cast<std::uint8_t>(Key::Digit1 + (scancode - SDL_SCANCODE_1));
    if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F10)
        return static_cast<std::uint8_t>(Key::F1 + (scancode - SDL_SCANCODE_F1));

    switch (scancode) {
    case SDL_SCANCODE_ESCAPE: return Key::Escape;
    case SDL_SCANCODE_MINUS: return Key::Minus;
    case SDL_SCANCODE_EQUALS: return Key::Equals;
    case SDL_SCANCODE_BACKSPACE: return Key::Backspace;
    case SDL_SCANCODE_TAB: return Key::Tab;
    case SDL_SCANCODE_LEFTBRACKET: return Key::LeftBracket;
    case SDL_SCANCODE_RIGHTBRACKET: return Key::RightBracket;
    case SDL_SCANCODE_RETURN: return Key::Return;
    case SDL_SCANCODE_LCTRL: return Key::LeftControl;
    case SDL_SCANCODE_SEMICOLON: return Key::Semicolon;
    case SDL_SCANCODE_APOSTROPHE: return Key::Apostrophe;
    case SDL_SCANCODE_GRAVE: return Key::Grave;
    case SDL_SCANCODE_LSHIFT: return Key::LeftShift;
    case SDL_SCANCODE_BACKSLASH: return Key::Backslash;
    case SDL_SCANCODE_COMMA: return Key::Comma;
    case SDL_SCANCODE_PERIOD: return Key::Period;
    case SDL_SCANCODE_SLASH: return Key::Slash;
    case SDL_SCANCODE_RSHIFT: return Key::RightShift;
    case SDL_SCANCODE_KP_MULTIPLY: return Key::KeypadMultiply;
    case SDL_SCANCODE_LALT: return Key::LeftAlt;
    case SDL_SCANCODE_SPACE: return Key::Space;
    case SDL_SCANCODE_CAPSLOCK: return Key::CapsLock;
    case SDL_SCANCODE_F11: return Key::F11;
    case SDL_SCANCODE_F12: return Key::F12;
    case SDL_SCANCODE_KP_ENTER: return Key::KeypadEnter;
    case SDL_SCANCODE_RCTRL: return Key::RightControl;
    case SDL_SCANCODE_RALT: return Key::RightAlt;
    case SDL_SCANCODE_HOME: return Key::Home;
    case SDL_SCANCODE_UP: return Key::Up;
    case SDL_SCANCODE_PAGEUP: return Key::PageUp;
    case SDL_SCANCODE_LEFT: return Key::Left;
    case SDL_SCANCODE_RIGHT: return Key::Right;
    case SDL_SCANCODE_END: return Key::End;
    case SDL_SCANCODE_DOWN: return Key::Down;
    case SDL_SCANCODE_PAGEDOWN: return Key::PageDown;
    case SDL_SCANCODE_INSERT: return Key::Insert;
    case SDL_SCANCODE_DELETE: return Key::Delete;
    default: return 0;
    }
}
