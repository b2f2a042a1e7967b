#include "screens/SettingsRows.h"

namespace {

std::vector<std::string> numbers(int from, int to)
{
    std::vector<std::string> v;
    for (int i = from; i <= to; ++i)
        v.push_back(std::to_string(i));
    return v;
}

const std::vector<std::string> kOnOff = {"OFF", "ON"};

// How one selector maps to a profile field.
enum class Kind { Flag, Index, FromOne };

struct Binding {
    const char* id;
    Kind kind;
    bool Profile::*flag;
    std::int32_t Profile::*number;
    int count;
};

const Binding kBindings[] = {
    {"sound", Kind::Flag, &Profile::sound, nullptr, 2},
    {"soundVolume", Kind::Index, nullptr, &Profile::soundVolume, 16},
    {"music", Kind::Flag, &Profile::music, nullptr, 2},
    {"musicVolume", Kind::Index, nullptr, &Profile::musicVolume, 16},
    {"shadows", Kind::Flag, &Profile::shadows, nullptr, 2},
    {"rim", Kind::Flag, &Profile::rim, nullptr, 2},
    {"rotBoundaries", Kind::Flag, &Profile::rotBoundaries, nullptr, 2},
    {"rodSelection", Kind::Index, nullptr, &Profile::rodSelection, 4},
    {"assistedMode", Kind::Flag, &Profile::assistedMode, nullptr, 2},
    {"horizontalMouseSens", Kind::FromOne, nullptr, &Profile::horizontalMouseSens, 15},
    {"verticalMouseSens", Kind::FromOne, nullptr, &Profile::verticalMouseSens, 15},
    {"clickRotVel", Kind::FromOne, nullptr, &Profile::clickRotVel, 15},
    {"rodRotDir", Kind::Index, nullptr, &Profile::rodRotDir, 2},
};

const Binding* binding(const std::string& id)
{
    for (const Binding& b : kBindings)
        if (id == b.id)
            return &b;
    return nullptr;
}

} // namespace

const std::vector<SettingRow>& settingRows()
{
    static const std::vector<SettingRow> rows = {
        {"sound", "SOUND:", 320, 180, 100, kOnOff},
        {"soundVolume", "SOUND VOLUME:", 320, 225, 100, numbers(0, 15)},
        {"music", "MUSIC:", 320, 270, 100, kOnOff},
        {"musicVolume", "MUSIC VOLUME:", 320, 315, 100, numbers(0, 15)},
        {"shadows", "SHADOWS:", 320, 405, 100, kOnOff},
        {"rim", "RIM:", 320, 495, 100, kOnOff},
        {"rotBoundaries", "ROTATION BOUNDARIES:", 820, 180, 100, kOnOff},
        {"rodSelection", "ROD SELECTION:", 820, 225, 120, {"MANUAL", "AUTO", "ALL", "BACK"}},
        {"assistedMode", "ASSISTED MODE:", 820, 270, 100, kOnOff},
        {"horizontalMouseSens", "HORIZONTAL MOUSE SENSITIVITY:", 820, 315, 100, numbers(1, 15)},
        {"verticalMouseSens", "VERTICAL MOUSE SENSITIVITY:", 820, 360, 100, numbers(1, 15)},
        {"clickRotVel", "CLICK ROTATION SPEED:", 820, 405, 100, numbers(1, 15)},
        {"rodRotDir", "ROD ROTATION DIRECTION:", 820, 450, 120, {"NORMAL", "OPPOSITE"}},
    };
    return rows;
}

std::vector<std::string> shadowValues(bool shadowsCapable)
{
    return shadowsCapable ? kOnOff : std::vector<std::string>{"OFF"};
}

int settingIndexFromProfile(const Profile& profile, const std::string& id, bool shadowsCapable)
{
    const Binding* b = binding(id);
    if (!b)
        return 0;
    if (id == "shadows" && !shadowsCapable)
        return 0;
    int index = 0;
    switch (b->kind) {
    case Kind::Flag: index = (profile.*(b->flag)) ? 1 : 0; break;
    case Kind::Index: index = profile.*(b->number); break;
    case Kind::FromOne: index = profile.*(b->number) - 1; break;
    }
    return index < 0 ? 0 : index >= b->count ? b->count - 1 : index;
}

void storeSettingIndex(Profile& profile, const std::string& id, int index, bool shadowsCapable)
{
    const Binding* b = binding(id);
    if (!b || index < 0 || index >= b->count)
        return;
    if (id == "shadows" && !shadowsCapable)
        return;
    switch (b->kind) {
    case Kind::Flag: profile.*(b->flag) = index == 1; break;
    case Kind::Index: profile.*(b->number) = index; break;
    case Kind::FromOne: profile.*(b->number) = index + 1; break;
    }
}
