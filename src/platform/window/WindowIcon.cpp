#include "platform/window/WindowIcon.h"

#include <SDL.h>

void setBallWindowIcon(SDL_Window* window)
{
    if (!window)
        return;
    const int size = 64;
    std::vector<std::uint32_t> pixels = ballIconPixels(size);
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), size, size, 32, size * 4,
                                                              SDL_PIXELFORMAT_ARGB8888);
    if (!surface)
        return;  // no icon is no reason to stop
    SDL_SetWindowIcon(window, surface);
    SDL_FreeSurface(surface);
}
