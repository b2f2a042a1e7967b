#pragma once
// Settings that go beyond what a profile holds in the save file, shown on the settings
// screen in the places its two columns leave free (and one row below them) and kept in the
// game's settings file: goal replays, the teams' colours and the difficulty per profile, and
// the picture's settings of this machine (the wide picture, smooth edges), which belong to
// its screen and graphics card. Each offers its values in the menus' words and keeps them
// under a word of its own ("replays = yes").
#include "control/OpponentDifficulty.h"

#include <string>
#include <vector>

class SettingsFile;

struct ExtraSettingRow {
    const char* id;  // the key after "profile.<name>.", or the whole key of a machine's setting
    const char* label;
    int x, y, width;
    std::vector<std::string> values;  // as the selector shows them
    std::vector<std::string> kept;    // as the file keeps them, in the same order
    int defaultIndex;
    bool perMachine = false;  // one for every profile on this machine
};

// The settings file's key of the row for this profile.
std::string extraSettingKey(const std::string& profileName, const ExtraSettingRow& row);

const std::vector<ExtraSettingRow>& extraSettingRows();

// The index of the profile's kept value; the row's default when none (or one the row does
// not offer) is kept, or without a settings file.
int extraSettingIndex(const SettingsFile* settings, const std::string& profileName, const ExtraSettingRow& row);
void storeExtraSetting(SettingsFile* settings, const std::string& profileName, const ExtraSettingRow& row, int index);

// The profile's difficulty for its matches against the computer: NORMAL unless it chose
// another (also without a settings file).
Difficulty profileDifficulty(const SettingsFile* settings, const std::string& profileName);
