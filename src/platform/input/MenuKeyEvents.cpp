#include "platform/input/MenuKeyEvents.h"

void MenuKeyEvents::add(MenuKey key, bool fromPad)
{
    if (keys_.size() < kMaxKeys)
        keys_.push_back(MenuKeyPress{key, fromPad});
}

void MenuKeyEvents::take(std::vector<MenuKeyPress>& keys)
{
    keys.insert(keys.end(), keys_.begin(), keys_.end());
    keys_.clear();
}

void MenuKeyEvents::forget()
{
    keys_.clear();
    stickX_ = 0;
    stickY_ = 0;
}

void MenuKeyEvents::keyboard(const SDL_KeyboardEvent& key)
{
    const bool repeated = key.repeat != 0;
    switch (key.keysym.scancode) {
    case SDL_SCANCODE_UP: add(MenuKey::Up, false); break;
    case SDL_SCANCODE_DOWN: add(MenuKey::Down, false); break;
    case SDL_SCANCODE_LEFT: add(MenuKey::Left, false); break;
    case SDL_SCANCODE_RIGHT: add(MenuKey::Right, false); break;
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER:
        // ALT+ENTER is the window's own: full screen or window.
        if (!repeated && (key.keysym.mod & KMOD_ALT) == 0)
            add(MenuKey::Press, false);
        break;
    case SDL_SCANCODE_ESCAPE:
        if (!repeated)
            add(MenuKey::Back, false);
        break;
    default:
        break;
    }
}

void MenuKeyEvents::controllerButton(Uint8 button)
{
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP: add(MenuKey::Up, true); break;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: add(MenuKey::Down, true); break;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: add(MenuKey::Left, true); break;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: add(MenuKey::Right, true); break;
    case SDL_CONTROLLER_BUTTON_A: add(MenuKey::Press, true); break;
    case SDL_CONTROLLER_BUTTON_B: add(MenuKey::Back, true); break;
    default: break;
    }
}

void MenuKeyEvents::stickAxis(Uint8 axis, Sint16 value)
{
    if (axis != SDL_CONTROLLER_AXIS_LEFTX && axis != SDL_CONTROLLER_AXIS_LEFTY)
        return;
    int& out = axis == SDL_CONTROLLER_AXIS_LEFTX ? stickX_ : stickY_;
    const int v = value;
    if (out == 0 && (v >= kStickPushed || v <= -kStickPushed)) {
        out = v > 0 ? 1 : -1;
        // SDL's y grows downwards, as the menus' does.
        if (axis == SDL_CONTROLLER_AXIS_LEFTX)
            add(out > 0 ? MenuKey::Right : MenuKey::Left, true);
        else
            add(out > 0 ? MenuKey::Down : MenuKey::Up, true);
    } else if (out != 0 && v < kStickCentred && v > -kStickCentred) {
        out = 0;
    }
}

void MenuKeyEvents::handleEvent(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_KEYDOWN: keyboard(event.key); break;
    case SDL_CONTROLLERBUTTONDOWN: controllerButton(event.cbutton.button); break;
    case SDL_CONTROLLERAXISMOTION: stickAxis(event.caxis.axis, event.caxis.value); break;
    default: break;
    }
}
