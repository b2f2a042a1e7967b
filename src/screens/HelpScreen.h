#pragma once
// The four help pages, paged through with two buttons. The screen that opens the help sets
// returnScreen before switching here; "EXIT FROM HELP" goes back to it.
#include "screens/PBScreen.h"

class PBButton;

class HelpScreen : public PBScreen {
public:
    static constexpr int kTextX = 60;
    static constexpr int kTextY = 128;
    static constexpr int kTextWidth = 904;

    // Where "back" leads; the main menu when no opener set it.
    PBScreen* returnScreen = nullptr;
    // The page shown, 0..3; it stays between visits.
    int page = 0;
    PBButton* previousButton = nullptr;
    PBButton* nextButton = nullptr;
    // The page on pads, the second player's keys and two-player matches, opened by its own
    // button beside the four; PREVIOUS PAGE leads back to the page it was opened from.
    bool showingPadPage = false;
    PBButton* padPageButton = nullptr;

    HelpScreen(ScreenContext* context, Renderer* renderer);

    void onEnter() override;
    void onCommand(const std::string& id) override;
    void draw(int pass) override;

    int pageCount() const;

private:
    // previous only with a page before, next only with a page after.
    void refreshButtons();
    void addPadPageButton();
    bool onPadPageCommand(const std::string& id);
};
