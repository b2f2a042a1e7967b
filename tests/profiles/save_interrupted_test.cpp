// A save ended at any step, by a kill or a power cut, leaves a whole save file behind, and
// no save writes into a file an earlier one left. The program's rename is this file's own:
// it notes each rename and, when told, ends the process just before one, leaving the disk
// as that moment had it.
#include "SaveFileBytes.h"

#include "core/ErrorLog.h"
#include "profiles/GameStateFile.h"
#include "profiles/ProfileStore.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

int gRenamesBeforeTheEnd = -1;  // -1: the process goes on
std::vector<std::string> gRenamedFrom;

} // namespace

// Linked ahead of the C library's, so the game's saves come here.
extern "C" int rename(const char* from, const char* to) noexcept
{
    if (gRenamesBeforeTheEnd == 0)
        _exit(0);
    if (gRenamesBeforeTheEnd > 0)
        --gRenamesBeforeTheEnd;
    gRenamedFrom.emplace_back(from);
    return renameat(AT_FDCWD, from, AT_FDCWD, to);
}

namespace {

class SaveInterrupted : public ::testing::Test {
protected:
    std::string path;
    ProfileStore store;

    void SetUp() override
    {
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        path = ::testing::TempDir() + "pitchbar_" + test + "_gamestate.dat";
        removeWithKeptCopies(path);
        setErrorLogPath(path + ".error.txt");
        store.filePath = path;
    }
    void TearDown() override { removeWithKeptCopies(path); }

    // The store's save in a child process that ends before its rename number `renames`.
    void saveEndingAfter(int renames)
    {
        const pid_t child = fork();
        if (child == 0) {
            gRenamesBeforeTheEnd = renames;
            store.save();
            _exit(0);
        }
        waitpid(child, nullptr, 0);
    }
};

TEST_F(SaveInterrupted, AtEveryStepOfASaveAfterDamageTheSaveFileIsWhole)
{
    const std::vector<std::uint8_t> damaged{7, 7, 7};
    for (int renames = 0; renames <= 3; ++renames) {
        SCOPED_TRACE(renames);
        removeWithKeptCopies(path);
        writeBytes(path, damaged);
        ASSERT_FALSE(store.load(true));
        store.addProfile("ANNA");
        const std::vector<std::uint8_t> saved = encodeGameState(store);
        saveEndingAfter(renames);
        // The next start finds the damaged file (and keeps it again) or the new one.
        const std::vector<std::uint8_t> found = readBytes(path);
        EXPECT_TRUE(found == damaged || found == saved) << found.size() << " bytes";
        if (found == saved) {
            EXPECT_EQ(damaged, readBytes(path + ".bad"));
        }
    }
}

TEST_F(SaveInterrupted, EverySaveWritesAFileOfItsOwn)
{
    writeBytes(path, Bytes().b(1).i(15).b(1).i(15).i(0).i(0).v);
    ASSERT_TRUE(store.load(true));
    store.addProfile("ANNA");
    // Ended before its file went into place: that file, the only copy of ANNA, stays.
    saveEndingAfter(0);
    const std::vector<std::string> left = namesBeside(path, ".tmp");
    ASSERT_EQ(1u, left.size());
    const std::vector<std::uint8_t> leftBytes = readBytes(left[0]);
    ASSERT_EQ(encodeGameState(store), leftBytes);

    gRenamedFrom.clear();
    ASSERT_TRUE(store.save());
    store.addProfile("BERT");
    ASSERT_TRUE(store.save());
    ASSERT_EQ(2u, gRenamedFrom.size());
    EXPECT_NE(gRenamedFrom[0], gRenamedFrom[1]);
    EXPECT_EQ(leftBytes, readBytes(left[0]));
}

} // namespace
