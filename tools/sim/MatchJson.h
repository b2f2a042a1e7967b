#pragma once
// What pitchbar-sim prints of a headless match, and how it names the opponents.
#include "match/HeadlessMatch.h"

#include <string>

// An opponent given by its name (any letter case) or its index 0..7; -1 if neither.
int parseOpponent(const std::string& text);

// The result as one JSON object (names, seed, score, winner, times, counts).
std::string matchResultJson(const HeadlessMatchSettings& settings, const HeadlessMatchResult& result);
