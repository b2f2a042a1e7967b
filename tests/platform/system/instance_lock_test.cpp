// One copy at a time: a second lock on the same file is refused as "already running" until
// the first copy lets go, however it ends.
#include "platform/system/InstanceLock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST(InstanceLock, ASecondCopyIsRefusedUntilTheFirstLetsGo)
{
    char folder[] = "/tmp/pitchbar-lock-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(folder));
    const std::string path = lockPathBeside(std::string(folder) + "/gamestate.dat");
    EXPECT_EQ(std::string(folder) + "/pitchbar.lock", path);
    EXPECT_EQ("pitchbar.lock", lockPathBeside("gamestate.dat"));

    bool held = false;
    std::string problem;
    auto first = std::make_unique<InstanceLock>();
    ASSERT_TRUE(first->acquire(path, held, problem)) << problem;

    // Another process: the game started a second time.
    pid_t child = fork();
    if (child == 0) {
        InstanceLock second;
        bool elsewhere = false;
        std::string why;
        _exit(!second.acquire(path, elsewhere, why) && elsewhere && why == "Pitchbar is already running." ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the second copy was not refused";

    // A copy that died lets go: the lock is the kernel's, not a file left behind.
    first.reset();
    InstanceLock again;
    EXPECT_TRUE(again.acquire(path, held, problem)) << problem;
    EXPECT_FALSE(held);

    InstanceLock nowhere;
    EXPECT_FALSE(nowhere.acquire(std::string(folder) + "/missing/pitchbar.lock", held, problem));
    EXPECT_FALSE(held);
    EXPECT_NE(std::string::npos, problem.find("No such file or directory")) << problem;
    std::filesystem::remove_all(folder);
}

}  // namespace
