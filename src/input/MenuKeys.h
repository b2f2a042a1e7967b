#pragma once
// The keys every menu understands, whatever pressed them: four directions, a press and a
// way back. The keyboard gives them from the arrow keys, ENTER and ESC; a game controller
// from its d-pad, left stick, A and B. Screens move their focus with them, so every menu
// works without a mouse.
#include <cstdint>

enum class MenuKey : std::uint8_t { Up, Down, Left, Right, Press, Back };

struct MenuKeyPress {
    MenuKey key = MenuKey::Press;
    // From a game controller rather than the keyboard: the name entry offers its letter
    // grid to a pad, and the match leaves the keyboard's ESC and ENTER to its own keys.
    bool fromPad = false;
};

inline bool isDirection(MenuKey key)
{
    return key == MenuKey::Up || key == MenuKey::Down || key == MenuKey::Left || key == MenuKey::Right;
}
