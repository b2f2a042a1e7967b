#pragma once
// The way into a two-player match, from the player menu: player 1 is the selected profile,
// player 2 picks another profile or plays as guest, and each picks what he plays with (the
// mouse, the keyboard's second set of keys, or a pad). The pads' settings stand beside them.
#include "screens/PBScreen.h"
#include "screens/TwoPlayerSetup.h"

#include <string>
#include <vector>

class PBButton;
class PBList;
class PBSelector;

class TwoPlayerScreen : public PBScreen {
public:
    static constexpr int kLeftX = 110;
    static constexpr int kListX = 370;
    static constexpr int kPadX = 650;
    static constexpr int kTopY = 100;

    PBList* secondPlayerList = nullptr;
    PBSelector* handsSelectors[2] = {nullptr, nullptr};
    PBButton* playButton = nullptr;
    std::vector<PBSelector*> padSelectors;
    // The match's length, under player 1's choices.
    PBSelector* lengthSelector = nullptr;

    TwoPlayerScreen(ScreenContext* context, Renderer* renderer);

    void onEnter() override;
    void update(float dt) override;
    void onCommand(const std::string& id) override;
    void draw(int pass) override;

    // The player-2 rows: GUEST, then every profile but player 1's.
    std::vector<std::string> secondPlayerNames() const;
    // What each player's selector shows.
    HandsChoice handsChoice(int player) const;
    // The message under the choices, "" when the match can start.
    std::string problem() const;

private:
    void fillHands();
    void refreshPlay();
    void keepPadSettings();
    PBSelector* padSelector(const std::string& id) const;
    // The match length's panel, label and selector (TwoPlayerMatchLength.cpp).
    void addMatchLengthChoice();
    void drawMatchLengthLabel();
    int padCount_ = -1;  // pads the hands selectors offer
};
