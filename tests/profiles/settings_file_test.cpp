// The game's own settings file: what is set comes back after a restart, keys of a newer
// game survive, a damaged file keeps its good lines and is set aside whole, and nothing
// is written while nothing changed.
#include "core/ErrorLog.h"
#include "profiles/SettingsFile.h"
#include "support/FileText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public ::testing::Test {
protected:
    std::string folder, path;

    void SetUp() override
    {
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        folder = ::testing::TempDir() + "pitchbar_settings_" + test + "_" + std::to_string(getpid());
        fs::remove_all(folder);
        fs::create_directories(folder);
        path = folder + "/settings.txt";
        setErrorLogPath(folder + "/error.txt");
    }
    void TearDown() override { fs::remove_all(folder); }

    static std::string read(const std::string& file) { return fileText(file); }
    void write(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
    SettingsFile fresh() const
    {
        SettingsFile s;
        s.filePath = path;
        return s;
    }
};

TEST_F(SettingsFileTest, WhatIsSetComesBackAndUnknownKeysSurvive)
{
    write("pitchbar-settings 3\nfrom.a.newer.game = keep me\n");
    SettingsFile s = fresh();
    ASSERT_TRUE(s.load());
    // Any profile name makes a key of its own, even one with spaces, dots or '='.
    const std::string odd = "J. DOE = 2";
    ASSERT_TRUE(s.setText(SettingsFile::profileKey(odd, "difficulty"), "hard"));
    ASSERT_TRUE(s.setText(SettingsFile::profileKey("J", "difficulty"), "easy"));
    ASSERT_TRUE(s.setNumber("window.width", 1280));
    ASSERT_TRUE(s.setFlag("window.fullscreen", false));
    EXPECT_FALSE(s.setText("window.title", "two\nlines"));
    ASSERT_TRUE(s.save());

    SettingsFile again = fresh();
    ASSERT_TRUE(again.load());
    EXPECT_EQ(again.fileVersion(), 3);
    EXPECT_EQ(again.text("from.a.newer.game", ""), "keep me");
    EXPECT_EQ(again.text(SettingsFile::profileKey(odd, "difficulty"), "normal"), "hard");
    EXPECT_EQ(again.number("window.width", 0, 0, 100000), 1280);
    EXPECT_EQ(again.number("window.width", 0, 0, 1000), 1000);
    EXPECT_FALSE(again.flag("window.fullscreen", true));
    EXPECT_EQ(again.text("window.title", "none"), "none");

    // A deleted profile takes its settings along, and only its own.
    again.forgetProfile(odd);
    EXPECT_EQ(again.text(SettingsFile::profileKey(odd, "difficulty"), "normal"), "normal");
    EXPECT_EQ(again.text(SettingsFile::profileKey("J", "difficulty"), "normal"), "easy");
}

TEST_F(SettingsFileTest, DamagedFileKeepsGoodLinesAndIsSetAsideWhole)
{
    const std::string damaged = "pitchbar-settings 1\nwindow.width = 800\n\x01garbage\nwindow.height = 600\n";
    write(damaged);
    SettingsFile s = fresh();
    EXPECT_FALSE(s.load());
    EXPECT_EQ(s.number("window.width", 0, 0, 9999), 800);
    EXPECT_EQ(s.number("window.height", 0, 0, 9999), 600);
    EXPECT_NE(read(folder + "/error.txt").find("settings.txt is damaged"), std::string::npos);
    ASSERT_TRUE(s.save());
    EXPECT_EQ(read(path + ".bad"), damaged);
    EXPECT_EQ(read(path), SettingsFile::format({{"window.height", "600"}, {"window.width", "800"}}, 1));

    // A file that is not ours at all gives the defaults and is set aside the same way.
    write("\x89PNG\r\n");
    SettingsFile other = fresh();
    EXPECT_FALSE(other.load());
    EXPECT_EQ(other.number("window.width", 7, 0, 9999), 7);
    ASSERT_TRUE(other.save());
    EXPECT_EQ(read(path + ".bad.1"), "\x89PNG\r\n");
}

TEST_F(SettingsFileTest, NothingIsWrittenUntilSomethingChanges)
{
    SettingsFile s = fresh();
    ASSERT_TRUE(s.load());
    ASSERT_TRUE(s.save());
    EXPECT_FALSE(fs::exists(path));  // a first run that changed nothing leaves no file
    ASSERT_TRUE(s.setNumber("team.colours", 1));
    ASSERT_TRUE(s.setNumber("team.colours", 1));
    ASSERT_TRUE(s.save());
    fs::remove(path);
    ASSERT_TRUE(s.setNumber("team.colours", 1));  // the same value again is no change
    ASSERT_TRUE(s.save());
    EXPECT_FALSE(fs::exists(path));

    // A folder in the file's place cannot be read: it is left as it is, never replaced.
    fs::create_directory(path);
    SettingsFile blocked = fresh();
    EXPECT_FALSE(blocked.load());
    blocked.setNumber("team.colours", 1);
    EXPECT_FALSE(blocked.save());
    EXPECT_TRUE(fs::is_directory(path));
}

} // namespace
