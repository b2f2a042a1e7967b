#include "ui/widgets/WidgetServices.h"

WidgetSoundListener* gWidgetSoundListener = nullptr;

namespace {
GUIStyle* installedStyle = nullptr;
WidgetSoundPlayer* installedSoundPlayer = nullptr;
}  // namespace

GUIStyle* widgetStyle() { return installedStyle; }

void setWidgetStyle(GUIStyle* style) { installedStyle = style; }

void setWidgetSoundPlayer(WidgetSoundPlayer* player) { installedSoundPlayer = player; }

void playWidgetHover() {
    if (gWidgetSoundListener) gWidgetSoundListener->onHoverSound();
    if (installedSoundPlayer) installedSoundPlayer->playHover();
}

void playWidgetClick() {
    if (gWidgetSoundListener) gWidgetSoundListener->onClickSound();
    if (installedSoundPlayer) installedSoundPlayer->playClick();
}
