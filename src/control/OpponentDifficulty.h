#pragma once
// The difficulty a player chooses: NORMAL is the opponent table exactly as designed. EASY
// gives each opponent the reaction and the action and block speeds of a point further down
// the designed ladder, spread so that the ladder climbs without a wall, a goalkeeper that
// stands in the middle, and gives its first rungs a beginner's habits; HARD makes
// every opponent react sooner, act on faster balls and turn and strike faster.
#include "control/OpponentParameters.h"

enum class Difficulty : int {
    Easy = 0,
    Normal = 1,
    Hard = 2,
};

constexpr int kDifficultyCount = 3;

// The numbers of opponent `index` (0..7, the table's order) at a difficulty; NORMAL gives
// the table's row unchanged.
OpponentParameters parametersAt(int index, Difficulty difficulty);

// "EASY", "NORMAL", "HARD".
const char* difficultyName(Difficulty difficulty);
// The name in any letter case; false for another word.
bool parseDifficulty(const char* text, Difficulty& out);
