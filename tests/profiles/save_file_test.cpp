#include "SaveFileBytes.h"

#include "core/ErrorLog.h"
#include "core/GameRandom.h"
#include "profiles/GameStateFile.h"
#include "profiles/ProfileStore.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

class SaveFileTest : public ::testing::Test {
protected:
    std::string dir, path, errors;
    ProfileStore store;

    void SetUp() override
    {
        dir = ::testing::TempDir();
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        path = dir + "pitchbar_" + test + "_gamestate.dat";
        errors = dir + "pitchbar_" + test + "_error.txt";
        removeWithKeptCopies(path);
        std::remove(errors.c_str());
        setErrorLogPath(errors);
        store.filePath = path;
    }

    std::string errorText() const
    {
        auto b = readBytes(errors);
        return std::string(b.begin(), b.end());
    }
};

// A file where every field of every record differs from its neighbours, so a swapped pair
// of fields changes the bytes written back.
Bytes distinctFile()
{
    Bytes f;
    f.b(0).i(3).b(1).i(11);
    f.i(2);
    f.s("Zed").b(1).i(4).b(0).i(9).b(1).b(1).i(13).i(3).b(0).i(2).i(14).b(0).i(5).i(2).i(1);
    f.s("\x01\xff q").b(0).i(0).b(1).i(1).b(0).b(0).i(1).i(0).b(1).i(15).i(1).b(1).i(-1).i(0).i(0);
    f.i(2);
    f.s("Zed").i(5).i(2);
    f.s("old name").i(0).i(4);
    return f;
}

TEST_F(SaveFileTest, NewProfileSavesToTheSixtySixBytesOfTheLayout)
{
    store.addProfile("AB");
    ASSERT_TRUE(store.save());
    Bytes expected;
    expected.b(1).i(15).b(1).i(15).i(1).profile("AB").i(0);
    EXPECT_EQ(66u, expected.v.size());
    EXPECT_EQ(expected.v, readBytes(path));
    EXPECT_FALSE(temporaryFileLeft(path));
}

TEST_F(SaveFileTest, LoadPutsEveryFileFieldIntoItsOwnFieldAndSavesTheSameBytes)
{
    const Bytes file = distinctFile();
    writeBytes(path, file.v);
    ASSERT_TRUE(store.load(true));

    EXPECT_FALSE(store.sound);
    EXPECT_EQ(3, store.soundVolume);
    EXPECT_TRUE(store.music);
    EXPECT_EQ(11, store.musicVolume);
    ASSERT_EQ(2u, store.profiles.size());
    const Profile& z = *store.profiles[0];
    EXPECT_EQ("Zed", z.name);
    EXPECT_TRUE(z.sound);
    EXPECT_EQ(4, z.soundVolume);
    EXPECT_FALSE(z.music);
    EXPECT_EQ(9, z.musicVolume);
    EXPECT_TRUE(z.shadows);
    EXPECT_TRUE(z.rotBoundaries);
    EXPECT_EQ(13, z.clickRotVel);
    EXPECT_EQ(3, z.rodSelection);
    EXPECT_FALSE(z.assistedMode);
    EXPECT_EQ(2, z.horizontalMouseSens);
    EXPECT_EQ(14, z.verticalMouseSens);
    EXPECT_FALSE(z.rim);
    EXPECT_EQ(5, z.bestLevel);
    EXPECT_EQ(2, z.bestConceded);
    EXPECT_EQ(1, z.rodRotDir);
    EXPECT_EQ(std::string("\x01\xff q"), store.profiles[1]->name);
    ASSERT_EQ(2u, store.best.size());
    EXPECT_EQ("old name", store.best[1].name);
    EXPECT_EQ(0, store.best[1].level);
    EXPECT_EQ(4, store.best[1].conceded);

    ASSERT_TRUE(store.save());
    EXPECT_EQ(file.v, readBytes(path));
    EXPECT_FALSE(fileExists(errors));
}

TEST_F(SaveFileTest, OnlyAByteOfOneIsTrueAndShadowsNeedTheDevice)
{
    Bytes f;
    f.b(2).i(15).b(1).i(15).i(2).profile("A", 2).profile("B", 1).i(0);
    writeBytes(path, f.v);
    ASSERT_TRUE(store.load(true));
    EXPECT_FALSE(store.sound);
    EXPECT_FALSE(store.profiles[0]->shadows);
    EXPECT_TRUE(store.profiles[1]->shadows);

    ASSERT_TRUE(store.load(false));
    EXPECT_FALSE(store.profiles[1]->shadows);
    ASSERT_TRUE(store.save());
    EXPECT_EQ(0, readBytes(path)[14 + 47 + 5 + 10]);  // B's shadows byte
}

TEST_F(SaveFileTest, MissingFileIsAFirstRunWithTheDefaultSoundBlock)
{
    store.sound = false;
    store.addProfile("left over");
    EXPECT_TRUE(store.load(true));
    EXPECT_TRUE(store.profiles.empty());
    EXPECT_TRUE(store.best.empty());
    EXPECT_FALSE(fileExists(errors));
}

TEST_F(SaveFileTest, EveryTruncationKeepsTheRecordsBeforeItAndTheOriginalIsKept)
{
    const Bytes file = distinctFile();
    for (std::size_t cut = 0; cut < file.v.size(); ++cut) {
        SCOPED_TRACE(cut);
        std::remove((path + ".bad").c_str());
        std::vector<std::uint8_t> prefix(file.v.begin(), file.v.begin() + static_cast<long>(cut));
        writeBytes(path, prefix);
        EXPECT_FALSE(store.load(true));
        // Each profile record is 46 bytes plus its name; the first starts after 14 bytes.
        const std::size_t expectedProfiles = cut >= 14 + 49 + 50 ? 2 : cut >= 14 + 49 ? 1 : 0;
        ASSERT_EQ(expectedProfiles, store.profiles.size());
        if (expectedProfiles > 0) {
            EXPECT_EQ("Zed", store.profiles[0]->name);
        }
        EXPECT_LE(store.best.size(), 1u);
        ASSERT_TRUE(store.save());
        EXPECT_EQ(prefix, readBytes(path + ".bad"));
        // A clean save afterwards does not overwrite the kept original.
        writeBytes(path + ".bad", {42});
        ASSERT_TRUE(store.save());
        EXPECT_EQ(std::vector<std::uint8_t>{42}, readBytes(path + ".bad"));
    }
    EXPECT_NE(std::string::npos, errorText().find("is damaged"));
}

TEST_F(SaveFileTest, HostileCountsAndLengthsNeitherCrashNorAllocate)
{
    Bytes hugeCount;
    hugeCount.b(1).i(15).b(1).i(15).i(0x7fffffff).profile("A");
    writeBytes(path, hugeCount.v);
    EXPECT_FALSE(store.load(true));
    EXPECT_EQ(1u, store.profiles.size());

    Bytes badLength;
    badLength.b(1).i(15).b(1).i(15).i(1).i(-5).b(1);
    writeBytes(path, badLength.v);
    EXPECT_FALSE(store.load(true));
    EXPECT_TRUE(store.profiles.empty());

    Bytes longName;
    longName.b(1).i(15).b(1).i(15).i(1).i(2000000000).b(1).b(1);
    writeBytes(path, longName.v);
    EXPECT_FALSE(store.load(true));
    EXPECT_NE(std::string::npos, errorText().find("name length beyond the end"));

    Bytes negativeCounts;
    negativeCounts.b(1).i(7).b(0).i(3).i(-4).i(-1);
    writeBytes(path, negativeCounts.v);
    EXPECT_TRUE(store.load(true));
    EXPECT_EQ(7, store.soundVolume);
    EXPECT_TRUE(store.profiles.empty());

    // Values no screen could produce are pulled into their ranges.
    Bytes wild;
    wild.b(1).i(99).b(1).i(-3).i(1);
    wild.s("W").b(1).i(400).b(1).i(-1).b(1).b(0).i(0).i(7).b(1).i(99).i(-9).b(1).i(50).i(9).i(3);
    wild.i(1).s("W").i(12).i(-2);
    writeBytes(path, wild.v);
    EXPECT_TRUE(store.load(true));
    const Profile& w = *store.profiles[0];
    EXPECT_EQ(15, store.soundVolume);
    EXPECT_EQ(0, store.musicVolume);
    EXPECT_EQ(15, w.soundVolume);
    EXPECT_EQ(1, w.clickRotVel);
    EXPECT_EQ(3, w.rodSelection);
    EXPECT_EQ(7, w.bestLevel);
    EXPECT_EQ(1, w.rodRotDir);
    EXPECT_EQ(7, store.best[0].level);
    EXPECT_EQ(0, store.best[0].conceded);
}

TEST_F(SaveFileTest, RandomFilesNeverCrashTheReader)
{
    seedGameRandom(1234);
    for (int round = 0; round < 300; ++round) {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(gameRandom() % 400));
        for (auto& b : bytes)
            b = static_cast<std::uint8_t>(gameRandom() % 3 == 0 ? gameRandom() % 3 : gameRandom());
        writeBytes(path, bytes);
        store.load(gameRandom() % 2 == 0);
        EXPECT_LE(store.profiles.size(), bytes.size() / 46);
        EXPECT_LE(store.best.size(), 10u);
    }
}

TEST_F(SaveFileTest, FailedSaveReportsAndKeepsTheOldFile)
{
    // A name so long that no temporary file can be made beside it, not even by root.
    store.filePath = dir + std::string(252, 'g');
    const Bytes file = distinctFile();
    writeBytes(store.filePath, file.v);
    ASSERT_TRUE(store.load(true));
    store.addProfile("new");
    EXPECT_FALSE(store.save());
    EXPECT_EQ(file.v, readBytes(store.filePath));
    std::remove(store.filePath.c_str());
    EXPECT_NE(std::string::npos, errorText().find("was left as it was"));
}

TEST_F(SaveFileTest, EachDamagedFileIsKeptUpToAHandful)
{
    // Seven damaged files in a row, each set aside by the save after it was found.
    for (std::uint8_t n = 1; n <= 7; ++n) {
        writeBytes(path, {n});
        EXPECT_FALSE(store.load(true));
        ASSERT_TRUE(store.save());
    }
    EXPECT_EQ(std::vector<std::uint8_t>{1}, readBytes(path + ".bad"));
    for (std::uint8_t n = 2; n <= 4; ++n)
        EXPECT_EQ(std::vector<std::uint8_t>{n}, readBytes(path + ".bad." + std::to_string(n - 1)));
    // Past the handful the last name holds the latest; nothing grows without end.
    EXPECT_EQ(std::vector<std::uint8_t>{7}, readBytes(path + ".bad.4"));
    EXPECT_FALSE(fileExists(path + ".bad.5"));
    // The error line names the file the original went to.
    EXPECT_NE(std::string::npos, errorText().find("kept as " + path + ".bad.1 at the next save"));
}

TEST_F(SaveFileTest, ASaveThroughALinkWritesItsTargetAndKeepsThePermissions)
{
    namespace fs = std::filesystem;
    const fs::path folder = path + ".real";
    fs::remove_all(folder);
    fs::create_directory(folder);
    const std::string target = (folder / "state.dat").string();
    const Bytes file = distinctFile();
    writeBytes(target, file.v);
    ASSERT_EQ(0, chmod(target.c_str(), 0640));
    // A relative link, as a player would make one into his own folders.
    fs::create_symlink(folder.filename() / "state.dat", path);

    ASSERT_TRUE(store.load(true));
    store.addProfile("new");
    ASSERT_TRUE(store.save());
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(path)));
    EXPECT_EQ(folder.filename() / "state.dat", fs::read_symlink(path));
    EXPECT_EQ(encodeGameState(store), readBytes(target));
    struct stat st;
    ASSERT_EQ(0, stat(target.c_str(), &st));
    EXPECT_EQ(0640u, st.st_mode & 07777u);
    EXPECT_FALSE(temporaryFileLeft(target));

    // A damaged target is kept beside the target; the link stays.
    writeBytes(target, {9});
    EXPECT_FALSE(store.load(true));
    ASSERT_TRUE(store.save());
    EXPECT_EQ(std::vector<std::uint8_t>{9}, readBytes(target + ".bad"));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(path)));
    fs::remove(path);
    fs::remove_all(folder);
}

TEST_F(SaveFileTest, AFailedSaveIsToldOnceAndTriedAgain)
{
    // A folder that is a plain file: no save can succeed, not even for root.
    const std::string blocker = path + ".folder";
    std::remove(blocker.c_str());
    writeBytes(blocker, {0});
    store.filePath = blocker + "/gamestate.dat";
    store.addProfile("ANNA");
    EXPECT_EQ("", store.takeSaveFailureToShow());
    EXPECT_FALSE(store.save());
    EXPECT_EQ("Not a directory", store.takeSaveFailureToShow());
    EXPECT_EQ("", store.takeSaveFailureToShow());
    EXPECT_FALSE(store.save());  // tried again, told no more
    EXPECT_EQ("", store.takeSaveFailureToShow());
    EXPECT_NE(std::string::npos, errorText().find("Not a directory"));

    // The folder appears: the next save works; a later failure is told again.
    std::remove(blocker.c_str());
    ASSERT_EQ(0, mkdir(blocker.c_str(), 0700));
    EXPECT_TRUE(store.save());
    EXPECT_EQ("", store.takeSaveFailureToShow());
    std::filesystem::remove_all(blocker);
    writeBytes(blocker, {0});
    EXPECT_FALSE(store.save());
    EXPECT_EQ("Not a directory", store.takeSaveFailureToShow());
    std::remove(blocker.c_str());
}

TEST_F(SaveFileTest, ADiskThatFillsUpDuringTheSaveKeepsTheOldFile)
{
    const Bytes file = distinctFile();
    writeBytes(path, file.v);
    ASSERT_TRUE(store.load(true));
    for (const char* name : {"A", "B", "C", "D"})
        store.addProfile(name);
    // Files may not grow past 64 bytes: the write stops short as on a full disk.
    rlimit old{};
    ASSERT_EQ(0, getrlimit(RLIMIT_FSIZE, &old));
    rlimit small = old;
    small.rlim_cur = 64;
    void (*previous)(int) = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &small));
    const bool saved = store.save();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(saved);
    EXPECT_EQ(file.v, readBytes(path));
    EXPECT_FALSE(temporaryFileLeft(path));
    EXPECT_EQ("File too large", store.takeSaveFailureToShow());
}

} // namespace
