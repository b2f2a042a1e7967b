#pragma once
// One row of the best-results table. The player's side always scored 5, so a row is the
// profile's name at the time of the win, the opponent beaten and the goals conceded.
#include <cstdint>
#include <string>

struct BestAchievement {
    std::string name;
    std::int32_t level = 0;     // opponent index 0..7
    std::int32_t conceded = 0;  // the opponent's goals in that win
};
