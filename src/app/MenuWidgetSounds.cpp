#include "app/MenuWidgetSounds.h"

#include "audio/MatchSoundPlayer.h"
#include "screens/ScreenContext.h"

void MenuWidgetSounds::playHover()
{
    if (context_.matchSoundPlayer)
        context_.matchSoundPlayer->playHover();
}

void MenuWidgetSounds::playClick()
{
    if (context_.matchSoundPlayer)
        context_.matchSoundPlayer->playClick();
}
