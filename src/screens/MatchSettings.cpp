#include "screens/MatchSettings.h"

#include "control/AssistedControl.h"
#include "profiles/Profile.h"

std::int32_t selectionModeForProfile(std::int32_t rodSelection)
{
    switch (rodSelection) {
    case kRodSelectionManual: return 2;
    case kRodSelectionAll: return kSelectionAll;
    case kRodSelectionBack: return kSelectionBack;
    case kRodSelectionAuto:
    default: return kSelectionAuto;
    }
}

void applyProfileToControl(const Profile& profile, AssistedControl& control)
{
    control.rotationLimits = profile.rotBoundaries;
    control.clickRotationSpeed = profile.clickRotVel;
    control.reversedRotation = profile.rodRotDir;
    control.assisted = profile.assistedMode;
    control.selectionMode = selectionModeForProfile(profile.rodSelection);
    control.setMouseSensitivities(profile.horizontalMouseSens, profile.verticalMouseSens);
    control.assistRotationSpeed = 5.0f;
    control.assistShiftSpeed = 9.0f;
}

std::string rodSelectionLabel(std::int32_t selectionMode)
{
    switch (selectionMode) {
    case kSelectionAuto: return "AUTO";
    case kSelectionAll: return "ALL";
    case kSelectionBack: return "BACK";
    default: break;
    }
    if (selectionMode >= 0 && selectionMode < 4)
        return std::to_string(selectionMode + 1);
    return "?";
}
