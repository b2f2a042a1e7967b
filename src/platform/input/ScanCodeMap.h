#pragma once
// SDL's USB-style scancodes onto the PC set-1 key codes that the game's key tables use.
#include <SDL_scancode.h>

#include <cstdint>

// 0 for keys the game has no code for.
std::uint8_t keyCodeForScancode(SDL_Scancode scancode);
