#pragma once
// The longer texts of the menus: the four help pages, the credits and the player screen's
// level and best-result lines. Help pages are lines separated by line feeds; a line that
// holds only "|" is an empty line and words in square brackets are highlighted.
#include <string>
#include <vector>

const std::vector<std::string>& helpPages();
const std::string& creditsText();
// The page on pads, the second player's keys and two-player matches, beside the four.
const std::string& padHelpPage();
constexpr const char* kGameVersion = "1.0";

// "NONE YET" before the first win, then the number of opponents beaten and the next one.
std::string levelText(int bestLevel, const std::vector<std::string>& opponentNames);
// "5-2 against DAVID", or "NONE" without a win.
std::string bestAchievementText(int bestLevel, int bestConceded, const std::vector<std::string>& opponentNames);
