#pragma once
// The loading screen: the loading picture over the whole screen while the second start-up
// stage builds the menus, then a fade to the main menu.
#include "screens/PBScreen.h"

class InitScreen : public PBScreen {
public:
    TextureRecord* picture = nullptr;  // "loadingpic.png"
    bool drawn = false;                // the picture has been on screen once
    bool loaded = false;               // the menus have been built

    InitScreen(ScreenContext* context, Renderer* renderer);

    // The first update after the picture was drawn builds the menus, once.
    void update(float dt) override;
    void draw(int pass) override;
    void onLeave() override;
};
