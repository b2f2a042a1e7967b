#include "core/ErrorLog.h"
#include "profiles/ProfileStore.h"

#include <gtest/gtest.h>

namespace {

class ProfileStoreTest : public ::testing::Test {
protected:
    ProfileStore store;
    void SetUp() override { setErrorLogPath(::testing::TempDir() + "pitchbar_profile_store_error.txt"); }

    Profile* playing(const std::string& name, int opponent)
    {
        Profile* p = store.findProfile(name);
        if (!p)
            p = store.addProfile(name);
        store.selectProfile(p);
        store.currentOpponent = opponent;
        return p;
    }
};

TEST_F(ProfileStoreTest, WinsAgainstOneOpponentKeepTheBestAndOrderTheRows)
{
    Profile* p = playing("ANN", 3);
    store.recordWin(2);
    store.recordWin(1);
    EXPECT_EQ(3, p->bestLevel);
    EXPECT_EQ(1, p->bestConceded);
    ASSERT_EQ(2u, store.best.size());
    EXPECT_EQ(1, store.best[0].conceded);
    EXPECT_EQ(2, store.best[1].conceded);

    // A worse win never lowers the profile's best.
    store.currentOpponent = 1;
    store.recordWin(0);
    EXPECT_EQ(3, p->bestLevel);
    EXPECT_EQ(1, p->bestConceded);
    EXPECT_EQ(1, store.best[2].level);

    // The same result as an older row goes ahead of it.
    playing("BOB", 3);
    store.recordWin(1);
    EXPECT_EQ("BOB", store.best[0].name);
    EXPECT_EQ("ANN", store.best[1].name);

    // A stronger opponent beats any number of conceded goals.
    playing("CID", 4);
    store.recordWin(4);
    EXPECT_EQ("CID", store.best[0].name);
}

TEST_F(ProfileStoreTest, TheTableKeepsTenRowsAndDropsTheEleventh)
{
    playing("ANN", 5);
    for (int i = 0; i < 10; ++i)
        store.recordWin(i % 5);
    ASSERT_EQ(10u, store.best.size());
    const auto before = store.best;

    store.currentOpponent = 0;
    store.recordWin(4);  // worse than every row: added at position 11 and dropped
    ASSERT_EQ(10u, store.best.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(before[i].level, store.best[i].level);
        EXPECT_EQ(before[i].conceded, store.best[i].conceded);
    }

    store.currentOpponent = 7;
    store.recordWin(3);
    ASSERT_EQ(10u, store.best.size());
    EXPECT_EQ(7, store.best[0].level);
    EXPECT_EQ(4, store.best[9].conceded);  // the weakest 5-4 row fell off
    EXPECT_EQ(5, store.best[9].level);
}

TEST_F(ProfileStoreTest, WinWithoutProfileOrInPracticeRecordsNothing)
{
    store.currentOpponent = 2;
    store.recordWin(0);
    playing("ANN", -1);
    store.recordWin(0);
    EXPECT_TRUE(store.best.empty());
    EXPECT_EQ(-1, store.currentProfile->bestLevel);
}

TEST_F(ProfileStoreTest, UnlockingFollowsTheBestWin)
{
    Profile* p = playing("ANN", 0);
    EXPECT_TRUE(p->canPlay(0));
    EXPECT_FALSE(p->canPlay(1));
    store.recordWin(3);
    EXPECT_TRUE(p->canPlay(1));
    EXPECT_FALSE(p->canPlay(2));
}

TEST_F(ProfileStoreTest, FindIsExactAndNewProfilesTakeTheStoresSoundBlock)
{
    store.addProfile("Bob");
    EXPECT_EQ(nullptr, store.findProfile("bob"));
    EXPECT_EQ(nullptr, store.findProfile("Bo"));
    ASSERT_NE(nullptr, store.findProfile("Bob"));
    EXPECT_EQ("A profile with this name already exists.", store.refusalFor("Bob"));
    EXPECT_EQ("", store.refusalFor("bob"));
    EXPECT_EQ("Profile name cannot be empty.", store.refusalFor(""));

    store.music = false;
    store.musicVolume = 4;
    store.soundVolume = 9;
    Profile* p = store.addProfile("Eve");
    EXPECT_FALSE(p->music);
    EXPECT_EQ(4, p->musicVolume);
    EXPECT_TRUE(p->sound);
    EXPECT_EQ(9, p->soundVolume);
    EXPECT_EQ(8, p->clickRotVel);
    EXPECT_EQ(-1, p->bestLevel);

    // Selecting a profile makes its block the store's.
    p->sound = false;
    store.selectProfile(p);
    EXPECT_FALSE(store.sound);
    store.selectProfile(nullptr);
    EXPECT_FALSE(store.sound);
}

TEST_F(ProfileStoreTest, RemovingTheCurrentProfileClearsIt)
{
    store.addProfile("A");
    Profile* b = store.addProfile("B");
    store.addProfile("C");
    store.selectProfile(b);
    store.removeProfile(0);
    EXPECT_EQ(b, store.currentProfile);
    store.removeProfile(0);
    EXPECT_EQ(nullptr, store.currentProfile);
    store.removeProfile(5);
    store.removeProfile(-1);
    ASSERT_EQ(1u, store.profiles.size());
    EXPECT_EQ("C", store.profiles[0]->name);
}

} // namespace
