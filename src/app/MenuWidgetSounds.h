#pragma once
// The widgets' sounds in the game: the match sound player's menu sounds. It looks the
// player up in the screen context at every sound, so it is silent until start-up has
// built the player.
#include "ui/widgets/WidgetServices.h"

struct ScreenContext;

class MenuWidgetSounds : public WidgetSoundPlayer {
public:
    explicit MenuWidgetSounds(const ScreenContext& context) : context_(context) {}
    void playHover() override;
    void playClick() override;

private:
    const ScreenContext& context_;
};
