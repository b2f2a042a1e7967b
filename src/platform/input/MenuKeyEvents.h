#pragma once
// The menu keys read from SDL's events: the arrow keys, ENTER (and the keypad's) and ESC on
// the keyboard; the d-pad, the left stick, A and B on a game controller. Kept in the order
// they came until the input system takes them. A held arrow key repeats as the system
// repeats it (moving along a list or the letter grid); ENTER, ESC and the pad's buttons act
// once per press. The stick counts as a direction when pushed past half way and again only
// after it has come back towards the middle.
#include "input/MenuKeys.h"

#include <SDL.h>

#include <cstddef>
#include <vector>

class MenuKeyEvents {
public:
    // Notes the menu key the event stands for, if any.
    void handleEvent(const SDL_Event& event);
    // Appends the keys noted since the last take, in order, and forgets them.
    void take(std::vector<MenuKeyPress>& keys);
    // The window lost the focus: nothing pressed before counts afterwards.
    void forget();

    // Stick positions (of SDL's -32768..32767) where a push counts and where it is over.
    static constexpr int kStickPushed = 16384;
    static constexpr int kStickCentred = 8192;

private:
    // Bounded, so that nobody taking them cannot make it grow.
    static constexpr std::size_t kMaxKeys = 32;
    std::vector<MenuKeyPress> keys_;
    // Whether the stick is out along x (-1, 0, +1) and along y, per controller would be
    // more exact; one stick at a time steers the menus.
    int stickX_ = 0;
    int stickY_ = 0;

    void add(MenuKey key, bool fromPad);
    void keyboard(const SDL_KeyboardEvent& key);
    void controllerButton(Uint8 button);
    void stickAxis(Uint8 axis, Sint16 value);
};
