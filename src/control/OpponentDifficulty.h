#pragma once
// The difficulty a player chooses: NORMAL is the opponent table exactly as designed; EASY
// and HARD scale each opponent's numbers so that every rung stays above the one below it.
#include "control/OpponentParameters.h"

enum class Difficulty : int {
    Easy = 0,
    Normal = 1,
    Hard = 2,
};

constexpr int kDifficultyCount = 3;

// The opponent's numbers at a difficulty; NORMAL returns them unchanged.
OpponentParameters parametersAt(const OpponentParameters& designed, Difficulty difficulty);

// "EASY", "NORMAL", "HARD".
const char* difficultyName(Difficulty difficulty);
// The name in any letter case; false for another word.
bool parseDifficulty(const char* text, Difficulty& out);
