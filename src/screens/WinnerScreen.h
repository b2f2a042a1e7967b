#pragma once
// The congratulation after the last opponent is beaten: the winner's picture over the whole
// screen and a way back to the player menu.
#include "screens/PBScreen.h"

class WinnerScreen : public PBScreen {
public:
    TextureRecord* picture = nullptr;  // "winner.png", loaded while the screen is shown

    WinnerScreen(ScreenContext* context, Renderer* renderer);

    void onCommand(const std::string& id) override;
    void draw(int pass) override;
    void onEnter() override;
    void onLeave() override;
};
