#include "platform/window/SdlErrorBox.h"

#include <SDL.h>

void SdlErrorBox::present(const std::string& title, const std::string& message)
{
    // No parent window: the game window is still hidden when start-up fails.
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), message.c_str(), nullptr);
}
