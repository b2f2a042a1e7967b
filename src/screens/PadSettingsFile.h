#pragma once
// The pads' settings in the game's settings file: "pad.deadZone" (per cent of the stick's
// travel, 0..50), "pad.sensitivity" (1..15), "pad.invertTurn" and "pad.invertShift"
// (yes/no), "pad.turnControl" and "pad.shiftControl" ("rate" or "position"). A missing or
// unreadable value is the default.
#include "control/PadSettings.h"

class SettingsFile;

PadSettings readPadSettings(const SettingsFile* settings);
void writePadSettings(SettingsFile* settings, const PadSettings& pad);
