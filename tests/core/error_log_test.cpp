#include "core/ErrorLog.h"
#include "core/GameRandom.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

struct RecordingPresenter : ErrorBoxPresenter {
    std::string title, message, logAtPresent;
    void present(const std::string& t, const std::string& m) override
    {
        title = t;
        message = m;
        logAtPresent = readFile(errorLogPath());
    }
};

class ErrorLogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = ::testing::TempDir() + "pitchbar_error_log_test.txt";
        std::remove(path.c_str());
        setErrorLogPath(path);
    }
    void TearDown() override
    {
        setErrorBoxPresenter(nullptr);
        setErrorLogPath("error.txt");
        std::remove(path.c_str());
    }
    std::string path;
};

TEST_F(ErrorLogTest, LinesAreAppendedInOrderAndEarlierRunsStay)
{
    {
        std::ofstream old(path);
        old << "error: from an earlier run\n";
    }
    logError("first");
    logError("second");
    EXPECT_EQ(readFile(path), "error: from an earlier run\nerror: first\nerror: second\n");
}

TEST_F(ErrorLogTest, NothingLoggedLeavesNoFile)
{
    std::ifstream in(path);
    EXPECT_FALSE(in.good());
}

TEST_F(ErrorLogTest, UnwritableFileDropsTheMessageQuietly)
{
    setErrorLogPath(::testing::TempDir() + "no-such-folder/deeper/error.txt");
    logError("lost");  // must neither crash nor create anything
    std::ifstream in(errorLogPath());
    EXPECT_FALSE(in.good());
}

TEST_F(ErrorLogTest, ShowErrorWritesTheLineBeforeTheBox)
{
    RecordingPresenter box;
    setErrorBoxPresenter(&box);
    showError("Colud not create Direct3D device.");
    EXPECT_EQ(box.title, "Error");
    EXPECT_EQ(box.message, "Colud not create Direct3D device.");
    EXPECT_EQ(box.logAtPresent, "error: Colud not create Direct3D device.\n");
}

TEST(GameRandom, FollowsTheClassicGeneratorSequence)
{
    // With seed 1 the classic C runtime generator yields 41, 18467, 6334, 26500.
    seedGameRandom(1);
    EXPECT_EQ(gameRandom(), 41);
    EXPECT_EQ(gameRandom(), 18467);
    EXPECT_EQ(gameRandom(), 6334);
    EXPECT_EQ(gameRandom(), 26500);
    seedGameRandom(1);
    EXPECT_EQ(gameRandom(), 41);
}

} // namespace
