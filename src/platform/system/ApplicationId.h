#pragma once
// The game's one application id (reverse-DNS): the name of its desktop entry, icons and
// AppStream file. Desktops match a window to its menu entry by it.
extern const char* const kApplicationId;

// Tells the window system the id (the X11 window class, the Wayland app id) so
// that the running game shows with its menu entry's name and icon. Call before the window
// is made; a variable set in the environment still wins.
void announceApplicationId();
