#pragma once
// How long a match lasts: first to a number of goals (the design's five), or a clock of
// whole minutes of play. When a timed match's clock runs out the side ahead has won; a draw
// goes on until the next goal, which wins it.
#include "simulation/Simulation.h"

#include <cstdint>

struct MatchLength {
    std::int32_t goals = kWinningScore;  // first to this many; a timed match has no count
    std::int32_t minutes = 0;            // more than 0: a timed match of that many minutes

    bool timed() const { return minutes > 0; }
    double seconds() const { return minutes * 60.0; }
    bool operator==(const MatchLength& o) const { return goals == o.goals && minutes == o.minutes; }
};
