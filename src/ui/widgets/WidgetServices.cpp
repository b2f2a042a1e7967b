#include "ui/widgets/WidgetServices.h"

#include "app/Game.h"
#include "audio/MatchSoundPlayer.h"

WidgetSoundListener* gWidgetSoundListener = nullptr;

GUIStyle* gameGuiStyle() { return gGame ? gGame->guiStyle : nullptr; }

void playWidgetHover() {
    if (gWidgetSoundListener) gWidgetSoundListener->onHoverSound();
    if (gGame && gGame->matchSoundPlayer) gGame->matchSoundPlayer->playHover();
}

void playWidgetClick() {
    if (gWidgetSoundListener) gWidgetSoundListener->onClickSound();
    if (gGame && gGame->matchSoundPlayer) gGame->matchSoundPlayer->playClick();
}
