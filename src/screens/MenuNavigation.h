#pragma once
// Moving between the menus of the screen table. A screen that was never built (its start-up
// failed, or a test left it out) would leave the fade black for good, so such a move is
// reported and the menu stays where it is.
#include <string>

class PBScreen;

// Fades from `from` to `target`; false (and an error line naming the target) without one.
bool goToScreen(PBScreen* from, PBScreen* target, const std::string& targetName);

// Opens the help and tells it to come back to `from`.
bool openHelp(PBScreen* from);
