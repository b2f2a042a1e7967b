#include "platform/system/DataFolders.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {
// A scratch tree per test: a folder the game is started from, an installed prefix with
// bin/ and share/pitchbar/resources/, and a home folder.
class DataFoldersTest : public ::testing::Test {
protected:
    fs::path root;
    fs::path current, prefix, home;
    DataFolderSources sources;

    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root = fs::path(::testing::TempDir()) / (std::string("pitchbar_data_folders_") + info->name());
        fs::remove_all(root);
        current = root / "somewhere";
        prefix = root / "prefix";
        home = root / "home";
        fs::create_directories(current);
        fs::create_directories(prefix / "bin");
        fs::create_directories(home);
        sources.currentFolder = current.string();
        sources.executable = (prefix / "bin" / "pitchbar").string();
        sources.installedResourcesFromBin = "../share/pitchbar/resources";
        sources.home = home.string();
    }
    void TearDown() override { fs::remove_all(root); }

    void install() { fs::create_directories(prefix / "share" / "pitchbar" / "resources"); }
    // What the build writes into a game folder's resources/, as far as the choice looks.
    static void writeGameData(const fs::path& resources)
    {
        fs::create_directories(resources / "textures");
        fs::create_directories(resources / "effects");
        std::ofstream(resources / "textures" / "gui.png") << "png";
        std::ofstream(resources / "effects" / "TexturesAndColors.fx") << "fx";
    }
    static unsigned mode(const fs::path& path)
    {
        struct stat info {};
        stat(path.c_str(), &info);
        return info.st_mode & 0777;
    }
};
} // namespace

TEST_F(DataFoldersTest, AFolderHoldingResourcesKeepsEverythingThereUnderTheOldNames)
{
    install();  // even with an installed game beside it
    writeGameData(current / "resources");
    sources.xdgDataHome = (root / "xdg").string();
    DataFolders folders;
    std::string problem;
    ASSERT_TRUE(chooseDataFolders(sources, folders, problem)) << problem;
    EXPECT_EQ(folders.resources, "resources/");
    EXPECT_EQ(folders.saveFile, "gamestate.dat");
    EXPECT_EQ(folders.errorFile, "error.txt");
    EXPECT_EQ(folders.playerFolder, "");
    ASSERT_TRUE(createPlayerFolder(folders, problem));
    EXPECT_FALSE(fs::exists(root / "xdg"));  // nothing made outside the current folder

    // A file named resources is no game folder, and neither is one without the game's data:
    // the source tree's resources/ with only the effects, or a stray ~/resources.
    fs::remove_all(current / "resources");
    std::ofstream(current / "resources") << "x";
    ASSERT_TRUE(chooseDataFolders(sources, folders, problem));
    EXPECT_NE(folders.resources, "resources/");
    fs::remove(current / "resources");
    fs::create_directories(current / "resources" / "effects");
    std::ofstream(current / "resources" / "effects" / "TexturesAndColors.fx") << "fx";
    fs::create_directories(current / "resources" / "textures" / "gui.png");  // a folder, not the atlas
    ASSERT_TRUE(chooseDataFolders(sources, folders, problem));
    EXPECT_EQ(folders.resources, (prefix / "share" / "pitchbar" / "resources").string() + "/");
    EXPECT_EQ(folders.saveFile, (root / "xdg" / "pitchbar" / "gamestate.dat").string());
}

TEST_F(DataFoldersTest, AnInstalledGameReadsBesideItsExecutableAndSavesInThePlayersDataFolder)
{
    install();
    DataFolders folders;
    std::string problem;

    sources.xdgDataHome = (root / "xdg").string();
    ASSERT_TRUE(chooseDataFolders(sources, folders, problem)) << problem;
    EXPECT_EQ(folders.resources, (prefix / "share" / "pitchbar" / "resources").string() + "/");
    EXPECT_EQ(folders.playerFolder, (root / "xdg" / "pitchbar").string());
    EXPECT_EQ(folders.saveFile, (root / "xdg" / "pitchbar" / "gamestate.dat").string());
    EXPECT_EQ(folders.errorFile, (root / "xdg" / "pitchbar" / "error.txt").string());

    // Unset, empty or relative XDG_DATA_HOME: ~/.local/share.
    for (const char* xdg : {"", "relative/data"}) {
        sources.xdgDataHome = xdg;
        ASSERT_TRUE(chooseDataFolders(sources, folders, problem)) << problem;
        EXPECT_EQ(folders.saveFile, (home / ".local" / "share" / "pitchbar" / "gamestate.dat").string()) << xdg;
    }

    // The whole prefix moved elsewhere: the data is found from the executable's new place.
    const fs::path moved = root / "moved";
    fs::rename(prefix, moved);
    sources.executable = (moved / "bin" / "pitchbar").string();
    ASSERT_TRUE(chooseDataFolders(sources, folders, problem)) << problem;
    EXPECT_EQ(folders.resources, (moved / "share" / "pitchbar" / "resources").string() + "/");
}

TEST_F(DataFoldersTest, WithoutResourcesOrAPlaceForTheSaveTheGameSaysWhyInOneLine)
{
    DataFolders folders;
    std::string problem;
    EXPECT_FALSE(chooseDataFolders(sources, folders, problem));
    EXPECT_NE(problem.find("cannot find its resources"), std::string::npos) << problem;
    EXPECT_NE(problem.find((prefix / "share" / "pitchbar" / "resources").string()), std::string::npos) << problem;
    EXPECT_EQ(problem.find('\n'), std::string::npos);
    EXPECT_EQ(folders.resources, "");

    sources.executable = "";
    problem.clear();
    EXPECT_FALSE(chooseDataFolders(sources, folders, problem));
    EXPECT_NE(problem.find("cannot find its resources"), std::string::npos) << problem;

    install();
    sources.executable = (prefix / "bin" / "pitchbar").string();
    sources.home = "";
    sources.xdgDataHome = "";
    problem.clear();
    EXPECT_FALSE(chooseDataFolders(sources, folders, problem));
    EXPECT_NE(problem.find("XDG_DATA_HOME"), std::string::npos) << problem;
}

TEST_F(DataFoldersTest, ThePlayersFolderIsMadeOnTheFirstRunForThePlayerAlone)
{
    install();
    sources.xdgDataHome = (root / "fresh" / "data").string();
    DataFolders folders;
    std::string problem;
    ASSERT_TRUE(chooseDataFolders(sources, folders, problem)) << problem;
    ASSERT_TRUE(createPlayerFolder(folders, problem)) << problem;
    EXPECT_TRUE(fs::is_directory(root / "fresh" / "data" / "pitchbar"));
    EXPECT_EQ(mode(root / "fresh" / "data" / "pitchbar"), 0700u);
    EXPECT_EQ(mode(root / "fresh" / "data"), 0700u);
    // A folder that was there already keeps its permissions; a second run changes nothing.
    fs::permissions(root / "fresh" / "data" / "pitchbar", fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    ASSERT_TRUE(createPlayerFolder(folders, problem)) << problem;
    EXPECT_EQ(mode(root / "fresh" / "data" / "pitchbar"), 0750u);

    // A file where the folder should be: refused with the folder's name.
    sources.xdgDataHome = (root / "blocked").string();
    std::ofstream(root / "blocked") << "not a folder";
    ASSERT_TRUE(chooseDataFolders(sources, folders, problem));
    problem.clear();
    EXPECT_FALSE(createPlayerFolder(folders, problem));
    EXPECT_NE(problem.find((root / "blocked" / "pitchbar").string()), std::string::npos) << problem;
}

TEST(ProcessDataFolderSources, NamesThisProgramAndThePlayersHome)
{
    const DataFolderSources sources = processDataFolderSources();
    EXPECT_TRUE(fs::path(sources.executable).is_absolute()) << sources.executable;
    EXPECT_TRUE(fs::exists(sources.executable)) << sources.executable;
    EXPECT_EQ(fs::path(sources.executable).filename(), "platform_data_folders_test");
    EXPECT_EQ(sources.installedResourcesFromBin, "../share/pitchbar/resources");
    if (const char* home = std::getenv("HOME"); home && *home) {
        EXPECT_EQ(sources.home, home);
    }
    EXPECT_FALSE(sources.home.empty());
}
