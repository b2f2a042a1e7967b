#pragma once
// The scripted player's ladder: one player level at home against every opponent.
#include "control/OpponentDifficulty.h"

#include <cstdint>

struct PlayerLadderOptions {
    int level = 1;                 // 0 weak, 1 average, 2 good
    int only = -1;                 // one opponent's index, or -1 for all eight
    std::uint32_t matches = 10;    // per opponent
    std::uint32_t seed = 1;        // of the first match; match n of every opponent uses seed + n
    bool rim = true;               // a new profile plays with the rim
    Difficulty difficulty = Difficulty::Normal;
    double maxSeconds = 900.0;
    bool json = false;
};

int runPlayerLadder(const PlayerLadderOptions& options);
