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
        // The designed 4:3 picture, and no smoothing pass (it costs a software renderer a
        // third of its frames; a graphics card multisamples anyway), unless asked for.
        {"video.widePicture", "WIDE PICTURE:", 820, 110, 100, {"OFF", "ON"}, {"no", "yes"}, 0, true},
        {"video.smoothEdges", "SMOOTH EDGES:", 320, 540, 100, {"OFF", "ON"}, {"no", "yes"}, 0, true},
    };
    return rows;
}

std::string extraSettingKey(const std::string& profileName, const ExtraSettingRow& row)
{
    return row.perMachine ? std::string(row.id) : SettingsFile::profileKey(profileName, row.id);
}

int extraSettingIndex(const SettingsFile* settings, const std::string& profileName, const ExtraSettingRow& row)
{
    if (!settings)
        return row.defaultIndex;
    const std::string kept = settings->text(extraSettingKey(profileName, row), "");
    for (std::size_t i = 0; i < row.kept.size(); ++i)
        if (row.kept[i] == kept)
            return static_cast<int>(i);
    return row.defaultIndex;
}

void storeExtraSetting(SettingsFile* settings, const std::string& profileName, const ExtraSettingRow& row, int index)
{
    if (!settings || index < 0 || index >= static_cast<int>(row.kept.size()))
        return;
    settings->setText(extraSettingKey(profileName, row), row.kept[static_cast<std::size_t>(index)]);
}

Difficulty profileDifficulty(const SettingsFile* settings, const std::string& profileName)
{
    for (const ExtraSettingRow& row : extraSettingRows())
        if (std::string(row.id) == "difficulty")
            return static_cast<Difficulty>(extraSettingIndex(settings, profileName, row));
    return Difficulty::Normal;
}
