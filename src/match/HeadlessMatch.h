#pragma once
// A whole match without a window, as fast as the machine allows: the game's own match, in
// frames of 1/60 s, up to the winning score. A side is a computer opponent or a scripted
// player on the player's own controller.
#include "control/OpponentDifficulty.h"
#include "match/MatchFaultWatch.h"

#include <cstdint>
#include <vector>

struct HeadlessMatchSettings {
    int home = 0;              // opponent index playing team 0
    int away = 0;              // opponent index playing team 1
    // A scripted player's level (0 weak, 1 average, 2 good) on that side instead of the
    // opponent; -1 for the opponent.
    int homePlayer = -1;
    int awayPlayer = -1;
    Difficulty difficulty = Difficulty::Normal;  // of the opponents
    std::uint32_t seed = 1;    // of the game's random generator
    bool rim = false;
    double maxSeconds = 900.0; // of play; reaching it ends the match as a draw
};

struct HeadlessMatchResult {
    int score[2] = {0, 0};     // home, away
    int winner = -1;           // 0 home, 1 away, -1 draw
    double gameSeconds = 0.0;
    std::int64_t subSteps = 0;
    int deadBallsNormal = 0;    // at rest where no rod reaches it (the match's own rule)
    int deadBallsReported = 0;  // reported by an opponent after 11 s on a ball only it reaches
    int deadBallsClaimed = 0;   // claimed by a scripted player (the D key)
    std::vector<double> goalTimes;  // at the end of the frame each goal was counted in
    double wallMs = 0.0;
    MatchFaultCounts faults;
};

HeadlessMatchResult playHeadlessMatch(const HeadlessMatchSettings& settings);
