#include "platform/system/ApplicationId.h"

#include <cstdlib>

// The build gives the id; this is the one it gives.
#ifndef PITCHBAR_APP_ID
#define PITCHBAR_APP_ID "io.github.pitchbar.Pitchbar"
#endif

const char* const kApplicationId = PITCHBAR_APP_ID;

void announceApplicationId()
{
    // SDL 2.26 reads these two from the environment when its video starts (later versions
    // also take them as hints, which fall back to the environment). The last argument keeps
    // a value the player set.
    setenv("SDL_VIDEO_X11_WMCLASS", kApplicationId, 0);
    setenv("SDL_VIDEO_WAYLAND_WMCLASS", kApplicationId, 0);
}
