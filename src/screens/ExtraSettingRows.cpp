#include "screens/ExtraSettingRows.h"

#include "profiles/SettingsFile.h"

const std::vector<ExtraSettingRow>& extraSettingRows()
{
    // Off and the designed colours unless the player chooses otherwise. "yes"/"no" is how
    // the settings file keeps a flag.
    static const std::vector<ExtraSettingRow> rows = {
        {"replays", "GOAL REPLAYS:", 320, 450, 100, {"OFF", "ON"}, {"no", "yes"}, 0},
        {"teamColours", "TEAM COLOURS:", 320, 360, 120, {"RED/BLUE", "CONTRAST"}, {"red-blue", "contrast"}, 0},
        // In the order of the Difficulty values; NORMAL, the designed opponents, unless
        // chosen otherwise.
        {"difficulty", "DIFFICULTY:", 820, 495, 120, {"EASY", "NORMAL", "HARD"}, {"easy", "normal", "hard"}, 1},
    };
    return rows;
}

int extraSettingIndex(const SettingsFile* settings, const std::string& profileName, const ExtraSettingRow& row)
{
    if (!settings)
        return row.defaultIndex;
    const std::string kept = settings->text(SettingsFile::profileKey(profileName, row.id), "");
    for (std::size_t i = 0; i < row.kept.size(); ++i)
        if (row.kept[i] == kept)
            return static_cast<int>(i);
    return row.defaultIndex;
}

void storeExtraSetting(SettingsFile* settings, const std::string& profileName, const ExtraSettingRow& row, int index)
{
    if (!settings || index < 0 || index >= static_cast<int>(row.kept.size()))
        return;
    settings->setText(SettingsFile::profileKey(profileName, row.id), row.kept[static_cast<std::size_t>(index)]);
}

Difficulty profileDifficulty(const SettingsFile* settings, const std::string& profileName)
{
    for (const ExtraSettingRow& row : extraSettingRows())
        if (std::string(row.id) == "difficulty")
            return static_cast<Difficulty>(extraSettingIndex(settings, profileName, row));
    return Difficulty::Normal;
}
