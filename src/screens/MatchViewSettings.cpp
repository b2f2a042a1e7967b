#include "screens/MatchViewSettings.h"

#include "profiles/ProfileStore.h"
#include "profiles/SettingsFile.h"
#include "screens/ExtraSettingRows.h"
#include "screens/ScreenContext.h"

const char* const kReplaysSetting = "replays";  // kept as the settings screen keeps it
const char* const kViewSetting = "view";

void readMatchView(const ScreenContext* context, const Profile* profile, bool& replaysOn, TableView& view)
{
    replaysOn = false;
    view = TableView::Designed;
    if (!context || !context->settings || !profile)
        return;
    const SettingsFile& settings = *context->settings;
    replaysOn = settings.flag(SettingsFile::profileKey(profile->name, kReplaysSetting), false);
    view = static_cast<TableView>(
        settings.number(SettingsFile::profileKey(profile->name, kViewSetting), 0, 0, kTableViewCount - 1));
}

int readTeamPalette(const ScreenContext* context, const Profile* profile)
{
    if (!context || !profile)
        return 0;
    for (const ExtraSettingRow& row : extraSettingRows())
        if (std::string(row.id) == "teamColours")
            return extraSettingIndex(context->settings, profile->name, row);
    return 0;
}

void keepMatchView(const ScreenContext* context, TableView view)
{
    const Profile* profile = context && context->profileStore ? context->profileStore->currentProfile : nullptr;
    if (!profile || !context->settings)
        return;
    context->settings->setNumber(SettingsFile::profileKey(profile->name, kViewSetting), static_cast<int>(view));
}
