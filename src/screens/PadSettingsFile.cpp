#include "screens/PadSettingsFile.h"

#include "profiles/SettingsFile.h"

#include <cmath>

namespace {

StickControl readControl(const SettingsFile& file, const char* key, StickControl fallback)
{
    const std::string value = file.text(key, "");
    return value == "rate" ? StickControl::Rate : value == "position" ? StickControl::Position : fallback;
}

const char* controlName(StickControl control)
{
    return control == StickControl::Rate ? "rate" : "position";
}

} // namespace

PadSettings readPadSettings(const SettingsFile* settings)
{
    PadSettings pad;
    if (!settings)
        return pad;
    const int defaultZone = static_cast<int>(std::lround(pad.deadZone * 100.0f));
    pad.deadZone = static_cast<float>(settings->number("pad.deadZone", defaultZone, 0, 50)) / 100.0f;
    pad.sensitivity = settings->number("pad.sensitivity", pad.sensitivity, 1, 15);
    pad.invertTurn = settings->flag("pad.invertTurn", pad.invertTurn);
    pad.invertShift = settings->flag("pad.invertShift", pad.invertShift);
    pad.turnControl = readControl(*settings, "pad.turnControl", pad.turnControl);
    pad.shiftControl = readControl(*settings, "pad.shiftControl", pad.shiftControl);
    return pad;
}

void writePadSettings(SettingsFile* settings, const PadSettings& pad)
{
    if (!settings)
        return;
    settings->setNumber("pad.deadZone", static_cast<int>(std::lround(pad.deadZone * 100.0f)));
    settings->setNumber("pad.sensitivity", pad.sensitivity);
    settings->setFlag("pad.invertTurn", pad.invertTurn);
    settings->setFlag("pad.invertShift", pad.invertShift);
    settings->setText("pad.turnControl", controlName(pad.turnControl));
    settings->setText("pad.shiftControl", controlName(pad.shiftControl));
}
