#pragma once
// The game's icons for desktop menus and launchers: the window's ball picture at the sizes
// of the hicolor icon theme.
#include <string>

// Writes <iconsDir>/<N>x<N>/apps/<name>.png for N = 16, 22, 24, 32, 48, 64, 128, 256; prints
// the reason and returns false on failure.
bool generateDesktopIcons(const std::string& iconsDir, const std::string& name);
