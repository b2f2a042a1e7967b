#pragma once
// What a match takes over from the player's profile: the feel of the rods, the rod choice
// and the assistance, copied into the player's controller at every match start.
#include <cstdint>
#include <string>

class AssistedControl;
struct Profile;

// The controller's selection mode for a profile's stored rod choice: MANUAL starts on the
// midfield rod (2), AUTO, ALL and BACK are the modes -1, -2 and -3. A value the profile
// cannot hold is taken as AUTO.
std::int32_t selectionModeForProfile(std::int32_t rodSelection);

// Copies the profile's rod settings into the controller.
void applyProfileToControl(const Profile& profile, AssistedControl& control);

// What the HUD shows for a selection mode: the rod number 1-4, "AUTO", "ALL" or "BACK".
std::string rodSelectionLabel(std::int32_t selectionMode);
