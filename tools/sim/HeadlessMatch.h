#pragma once
// A whole match between two computer opponents without a window: what the match screen
// does around the table (frames of 1/60 s in sub-steps of at most 1 ms, both controllers
// then the table, the normal dead-ball rule once per frame, goals to five), as fast as the
// machine allows.
#include <cstdint>
#include <string>
#include <vector>

struct HeadlessMatchSettings {
    int home = 0;              // opponent index playing team 0
    int away = 0;              // opponent index playing team 1
    std::uint32_t seed = 1;    // of the game's random generator
    bool rim = false;
    double maxSeconds = 900.0; // of play; reaching it ends the match as a draw
};

struct HeadlessMatchResult {
    int score[2] = {0, 0};     // home, away
    int winner = -1;           // 0 home, 1 away, -1 draw
    double gameSeconds = 0.0;
    std::int64_t subSteps = 0;
    int deadBallsNormal = 0;    // at rest where no rod reaches it (the match screen's rule)
    int deadBallsReported = 0;  // reported by an opponent after 11 s on a ball only it reaches
    std::vector<double> goalTimes;
    double wallMs = 0.0;
};

HeadlessMatchResult playHeadlessMatch(const HeadlessMatchSettings& settings);

// An opponent given by its name (any letter case) or its index 0..7; -1 if neither.
int parseOpponent(const std::string& text);

// The result as one JSON object (names, seed, score, winner, times, counts).
std::string matchResultJson(const HeadlessMatchSettings& settings, const HeadlessMatchResult& result);
