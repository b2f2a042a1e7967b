#pragma once
// The window's icon: a shaded table-football ball with dark patches, painted at start-up.
#include <cstdint>
#include <vector>

struct SDL_Window;

// size x size ARGB pixels, top row first; transparent outside the ball.
std::vector<std::uint32_t> ballIconPixels(int size);

void setBallWindowIcon(SDL_Window* window);
