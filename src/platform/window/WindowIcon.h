#pragma once
// The window's icon: the ball picture, set on the window at start-up.
#include "platform/window/BallIconPixels.h"

struct SDL_Window;

void setBallWindowIcon(SDL_Window* window);
