#pragma once
// The lengths two players may choose for their match on the TWO PLAYERS screen, and the
// choice kept in the game's settings file ("twoPlayers.matchLength": "goals-3", "goals-5",
// "goals-7", "goals-10", "minutes-3" or "minutes-5"; first to five when missing or
// unknown). Matches against the computer are always the designed first to five.
#include "match/MatchLength.h"

#include <string>
#include <vector>

class SettingsFile;

struct MatchLengthChoice {
    const char* label;    // as the selector shows it
    const char* setting;  // as the settings file keeps it
    MatchLength length;
};

const std::vector<MatchLengthChoice>& matchLengthChoices();
// The choice of first to five.
int designedMatchLengthChoice();
// The index of the kept choice.
int readMatchLengthChoice(const SettingsFile* settings);
void keepMatchLengthChoice(SettingsFile* settings, int choice);
