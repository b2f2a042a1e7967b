#include "profiles/Profile.h"
#include "screens/MenuTexts.h"
#include "screens/SettingsRows.h"

#include <gtest/gtest.h>

#include <set>

namespace {

int indexOf(const std::string& id, const std::string& shown)
{
    for (const SettingRow& row : settingRows())
        if (row.id == id)
            for (std::size_t i = 0; i < row.values.size(); ++i)
                if (row.values[i] == shown)
                    return static_cast<int>(i);
    return -1;
}

TEST(SettingsRows, ShownValuesAreStoredAsTheProfileKeepsThem)
{
    Profile p("ANN");
    storeSettingIndex(p, "horizontalMouseSens", indexOf("horizontalMouseSens", "7"), true);
    storeSettingIndex(p, "rodSelection", indexOf("rodSelection", "BACK"), true);
    storeSettingIndex(p, "soundVolume", indexOf("soundVolume", "0"), true);
    storeSettingIndex(p, "music", indexOf("music", "OFF"), true);
    storeSettingIndex(p, "rodRotDir", indexOf("rodRotDir", "OPPOSITE"), true);
    EXPECT_EQ(7, p.horizontalMouseSens);
    EXPECT_EQ(3, p.rodSelection);
    EXPECT_EQ(0, p.soundVolume);
    EXPECT_FALSE(p.music);
    EXPECT_EQ(1, p.rodRotDir);

    // Every setting shows the profile's value again, for every index it can take.
    for (const SettingRow& row : settingRows())
        for (int i = 0; i < static_cast<int>(row.values.size()); ++i) {
            Profile q("Q");
            storeSettingIndex(q, row.id, i, true);
            EXPECT_EQ(i, settingIndexFromProfile(q, row.id, true)) << row.id << " " << i;
        }
    EXPECT_EQ(13u, settingRows().size());
    std::set<std::string> ids;
    for (const SettingRow& row : settingRows())
        ids.insert(row.id);
    EXPECT_EQ(13u, ids.size());
}

TEST(SettingsRows, ShadowsStayAsTheyAreWithoutTheDeviceForThem)
{
    Profile p("ANN");
    p.shadows = true;
    EXPECT_EQ(0, settingIndexFromProfile(p, "shadows", false));
    storeSettingIndex(p, "shadows", 0, false);
    EXPECT_TRUE(p.shadows);
    EXPECT_EQ(std::vector<std::string>{"OFF"}, shadowValues(false));
    EXPECT_EQ(2u, shadowValues(true).size());
    storeSettingIndex(p, "shadows", 0, true);
    EXPECT_FALSE(p.shadows);
    // Indices a selector cannot show change nothing.
    storeSettingIndex(p, "clickRotVel", 15, true);
    storeSettingIndex(p, "clickRotVel", -1, true);
    EXPECT_EQ(8, p.clickRotVel);
}

TEST(MenuTexts, HelpHasFourPagesInOrderAndNamesEveryKey)
{
    const auto& pages = helpPages();
    ASSERT_EQ(4u, pages.size());
    const char* firstLines[] = {"[INTRODUCTION]", "[ROD SELECTION]", "[RULES]", "[SETTINGS]"};
    std::string all;
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(firstLines[i], pages[i].substr(0, pages[i].find('\n')));
        all += pages[i];
        // Brackets pair up, or the highlight would run on.
        int open = 0;
        for (char c : pages[i]) {
            open += c == '[' ? 1 : c == ']' ? -1 : 0;
            EXPECT_GE(open, 0);
            EXPECT_LE(open, 1);
        }
        EXPECT_EQ(0, open);
    }
    for (const char* key : {"[1]", "[4]", "[SPACE]", "[C]", "[V]", "[X]", "[D]", "[P]", "[ESC]", "[Y]", "[N]", "[5]"})
        EXPECT_NE(std::string::npos, all.find(key)) << key;
    EXPECT_NE(std::string::npos, all.find("\n|\n"));
}

TEST(MenuTexts, LevelAndBestResultFollowTheProfile)
{
    const std::vector<std::string> names = {"BOB", "ROBERT", "DAVID", "NATALIE", "OSCAR", "LISA", "SAM", "JOHN THE KING"};
    EXPECT_EQ("NONE", bestAchievementText(-1, 0, names));
    EXPECT_EQ("5-2 against DAVID", bestAchievementText(2, 2, names));
    EXPECT_NE(levelText(-1, names), levelText(0, names));
    EXPECT_NE(std::string::npos, levelText(7, names).find("CHAMPION"));
    EXPECT_NE(std::string::npos, creditsText().find("OpenAL"));
}

} // namespace
