#include "core/ErrorLog.h"
#include "core/GameRandom.h"
#include "support/FileText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace {

struct RecordingPresenter : ErrorBoxPresenter {
    std::string title, message, logAtPresent;
    void present(const std::string& t, const std::string& m) override
    {
        title = t;
        message = m;
        logAtPresent = fileText(errorLogPath());
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
    EXPECT_EQ(fileText(path), "error: from an earlier run\nerror: first\nerror: second\n");
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

// A driver's log or a long path list: the box shows a readable start, the file keeps all.
TEST_F(ErrorLogTest, LongMessagesReachTheBoxCutTheFileKeepsThemWhole)
{
    RecordingPresenter box;
    setErrorBoxPresenter(&box);
    auto lines = [](const std::string& text) {
        std::vector<std::string> out;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);)
            out.push_back(line);
        return out;
    };
    const std::string tail = "...\n\n(The whole message is in " + path + ".)";

    std::string words;
    for (int i = 0; words.size() < 10000; ++i)
        words += "word" + std::to_string(i) + " ";
    showError(words);
    EXPECT_EQ(fileText(path), "error: " + words + "\n");
    ASSERT_LE(box.message.size(), 1000 + tail.size());
    ASSERT_GT(box.message.size(), 900u);
    ASSERT_EQ(box.message.compare(box.message.size() - tail.size(), tail.size(), tail), 0) << box.message;
    const std::string shown = box.message.substr(0, box.message.size() - tail.size());
    for (const std::string& line : lines(shown)) {
        EXPECT_LE(line.size(), 100u);
        EXPECT_TRUE(!line.empty() && line.back() != ' ') << line;
    }
    // Broken and cut at word ends only: the shown words are the message's first ones.
    std::string rejoined = shown;
    for (char& c : rejoined)
        if (c == '\n')
            c = ' ';
    EXPECT_EQ(words.compare(0, rejoined.size() + 1, rejoined + " "), 0);

    // Many short lines: at most 30 of them, cut at a line end.
    std::string many;
    for (int i = 0; i < 200; ++i)
        many += "line " + std::to_string(i) + "\n";
    showError(many);
    EXPECT_EQ(lines(box.message).size(), 30u + 2u);  // 30 lines, a blank one, the pointer
    EXPECT_EQ(box.message.rfind("line 0\nline 1\n", 0), 0u);
    EXPECT_NE(box.message.find("line 29..."), std::string::npos) << box.message;

    // One word of 3,000 three-byte characters: cut between characters, never inside one.
    std::string euros;
    for (int i = 0; i < 3000; ++i)
        euros += "\xE2\x82\xAC";
    showError(euros);
    const std::string cut = box.message.substr(0, box.message.size() - tail.size());
    for (const std::string& line : lines(cut)) {
        EXPECT_LE(line.size(), 100u);
        EXPECT_EQ(line.size() % 3, 0u) << "a character was split";
    }
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
