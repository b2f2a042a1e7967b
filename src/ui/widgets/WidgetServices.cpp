#include "ui/widgets/WidgetServices.h"

#include "app/Game.h"
#include "audio/MatchSoundPlayer.h"

WidgetSoundListener* gWidgetSoundListener = nullptr;

GUIStyle* gameGuiStyle() { return gGame ? gGame->context.guiStyle : nullptr; }

void playWidgetHover() {
    if (gWidgetSoundListener) gWidgetSoundListener->onHoverSound();
    if (gGame && gGame->context.matchSoundPlayer) gGame->context.matchSoundPlayer->playHover();
}

void playWidgetClick() {
    if (gWidgetSoundListener) gWidgetSoundListener->onClickSound();
    if (gGame && gGame->context.matchSoundPlayer) gGame->context.matchSoundPlayer->playClick();
}
