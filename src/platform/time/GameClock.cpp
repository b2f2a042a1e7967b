#include "platform/time/GameClock.h"

#include <SDL.h>

std::uint32_t timeGetTime()
{
    // SDL_GetTicks64 would not wrap; the game's arithmetic expects the 32-bit counter.
    return static_cast<std::uint32_t>(SDL_GetTicks64());
}
