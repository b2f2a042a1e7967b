#pragma once
// The player menu: the current profile's progress, the list of opponents with their locks,
// the chosen opponent's picture and description, and the way into a match.
#include "render/fonts/FittedText.h"
#include "screens/PBScreen.h"

#include <cstdint>
#include <string>
#include <vector>

class PBButton;
class PBList;
struct Profile;

class PlayerScreen : public PBScreen {
public:
    static constexpr int kLabelRight = 330;
    static constexpr int kValueX = 370;
    static constexpr int kPictureX = 786;
    static constexpr int kPictureY = 200;
    static constexpr int kDescriptionY = 240;
    // The two-player row, under PLAY! and FREE PRACTICE.
    static constexpr int kTwoPlayerRowY = 487;
    // The difficulty's panel, in line with the buttons of the right-hand column.
    static constexpr int kDifficultyX = 744;
    static constexpr int kDifficultyWidth = 170;
    static constexpr const char* kTwoPlayersId = "twoplayers";

    PBList* opponentsList = nullptr;
    PBButton* playButton = nullptr;
    // The opponent whose details are shown and whom "PLAY!" starts against; -1 none.
    int selectedOpponent = -1;

    PlayerScreen(ScreenContext* context, Renderer* renderer);

    // The list's marks and the texts follow the current profile. A profile other than the
    // one of the last visit starts on the opponent it has to beat next.
    void onEnter() override;
    void onCommand(const std::string& id) override;
    // The menu keys start on PLAY! while it can be played; back is QUIT TO MAIN MENU.
    GUIComponent* firstMenuFocus() const override;
    void draw(int pass) override;

    // Whether the current profile may play that opponent.
    bool unlocked(int opponent) const;
    std::vector<std::string> opponentNames() const;
    // The widths of the description's lines: narrower beside the picture.
    static std::vector<int> descriptionLineWidths();

private:
    FittedText shownName_;  // the profile's name, cut at the panel's edge

    void fillList();
    void selectOpponent(int index);
    // "PLAY!" when the selected opponent is open, "NOT AVAILABLE YET" (disabled) when not.
    void refreshPlayButton();
    Profile* profile() const;
    void addTwoPlayerButton();
    void drawTwoPlayerRecord();
    void drawDifficulty();

public:
    // "TWO-PLAYER MATCHES: <won> WON, <lost> LOST" of the current profile.
    std::string twoPlayerRecordText() const;

private:

    // The profile of the last visit by its serial (0: none): an address could belong to a
    // profile made after that one was deleted.
    std::uint64_t lastProfileSerial_ = 0;
};
