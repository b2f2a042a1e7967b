#pragma once
// What pitchbar-sim prints of a headless match, and how it names the opponents.
#include "match/HeadlessMatch.h"

#include <string>

// An opponent given by its name (any letter case) or its index 0..7; -1 if neither.
int parseOpponent(const std::string& text);

// A side given as an opponent or as "player:weak|average|good": the opponent's index, or
// the player's level in player. false if it is neither.
bool parseSide(const std::string& text, int& opponent, int& player);

// "BOB", or "player:average" for a scripted player.
std::string sideName(int opponent, int player);

// The result as one JSON object (names, seed, score, winner, times, counts).
std::string matchResultJson(const HeadlessMatchSettings& settings, const HeadlessMatchResult& result);

// The scripted players' numbers and the difficulties, for --help.
std::string playersAndDifficultiesHelp();
