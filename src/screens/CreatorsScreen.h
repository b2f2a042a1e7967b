#pragma once
// The game's version and the credits, with a button back to the main menu.
#include "screens/PBScreen.h"

class CreatorsScreen : public PBScreen {
public:
    static constexpr int kPanelX = 180;
    static constexpr int kPanelY = 112;
    static constexpr int kPanelWidth = 800;
    static constexpr int kPanelHeight = 400;

    CreatorsScreen(ScreenContext* context, Renderer* renderer);

    void onCommand(const std::string& id) override;
    void draw(int pass) override;
};
