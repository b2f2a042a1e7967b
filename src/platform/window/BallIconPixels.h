#pragma once
// The game's icon: a shaded table-football ball with dark patches. Pure pixels, no SDL:
// the window shows it, and assetgen writes the same picture as the desktop's icons.
#include <cstdint>
#include <vector>

// size x size ARGB pixels, top row first; transparent outside the ball.
std::vector<std::uint32_t> ballIconPixels(int size);
