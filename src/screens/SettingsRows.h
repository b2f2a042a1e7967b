#pragma once
// The settings screen's thirteen selectors: id, label, place, values, and how the chosen
// index maps to the profile's field.
#include "profiles/Profile.h"

#include <string>
#include <vector>

struct SettingRow {
    const char* id;
    const char* label;
    int x, y, width;
    std::vector<std::string> values;
};

// In the screen's order: the left column first (sound, soundVolume, music, musicVolume,
// shadows, rim), then the right column.
const std::vector<SettingRow>& settingRows();

// The selector index that shows the profile's value of setting id. Without shadow support
// the shadows selector has only "OFF", index 0.
int settingIndexFromProfile(const Profile& profile, const std::string& id, bool shadowsCapable);

// Stores a selector index into the profile. The shadows setting is stored only when the
// device can draw shadows. Out-of-range indices are ignored.
void storeSettingIndex(Profile& profile, const std::string& id, int index, bool shadowsCapable);

// The values the shadows selector offers on this device.
std::vector<std::string> shadowValues(bool shadowsCapable);
