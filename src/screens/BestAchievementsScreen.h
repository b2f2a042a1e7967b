#pragma once
// The table of the ten best results of all profiles, best first: place, the profile's
// name, the result and the opponent beaten, with the opponent's portrait.
#include "render/fonts/FittedText.h"
#include "screens/PBScreen.h"

class BestAchievementsScreen : public PBScreen {
public:
    static constexpr int kLeft = 250;
    static constexpr int kRight = 770;
    static constexpr int kHeaderY = 160;
    static constexpr int kHeaderHeight = 20;
    static constexpr int kFirstLineY = 217;
    static constexpr int kFirstRowTextY = 195;
    static constexpr int kRowHeight = 34;
    static constexpr int kRows = 10;

    BestAchievementsScreen(ScreenContext* context, Renderer* renderer);

    void onCommand(const std::string& id) override;
    void draw(int pass) override;

private:
    void drawTable();
    void drawRow(int row, const std::string& name, int level, int conceded);

    FittedText fittedNames_[kRows];
};
