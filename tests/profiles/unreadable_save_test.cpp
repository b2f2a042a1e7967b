// A save file the game cannot read is not damage: it is never moved, renamed or written
// over, the player is told why, and saving waits. Each case runs the game's load and save
// in a child process under an alarm, so a load that waits for ever fails instead of
// hanging the run, and under a memory limit, so one that reads without end fails too.
#include "SaveFileBytes.h"

#include "core/ErrorLog.h"
#include "profiles/ProfileStore.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// AddressSanitizer reserves terabytes of address space for its shadow: no memory limit
// then. gcc says so with __SANITIZE_ADDRESS__, clang with __has_feature.
#if defined(__SANITIZE_ADDRESS__)
#define PITCHBAR_UNDER_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PITCHBAR_UNDER_ADDRESS_SANITIZER 1
#endif
#endif
#ifndef PITCHBAR_UNDER_ADDRESS_SANITIZER
#define PITCHBAR_UNDER_ADDRESS_SANITIZER 0
#endif

namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

class UnreadableSave : public ::testing::Test {
protected:
    std::string folder, path;

    void SetUp() override
    {
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        // A folder anyone may write in, as a player's own folder is to him.
        folder = ::testing::TempDir() + "pitchbar_" + test;
        fs::remove_all(folder);
        fs::create_directory(folder);
        fs::permissions(folder, fs::perms::all);
        path = folder + "/gamestate.dat";
        setErrorLogPath(folder + "/error.txt");
    }
    void TearDown() override { fs::remove_all(folder); }

    // What the game does with the save at the start and at two saves, in a child process:
    // 0 when it found the file unreadable for that reason, told it once on the main menu,
    // wrote nothing and told it again at each save; otherwise the number of the first
    // step that went otherwise (every step is taken all the same), 99 for an exception, or
    // 128 and the signal that ended the child.
    int startAndSaveTwice(const std::string& reason, const std::function<void()>& asWho = [] {})
    {
        const pid_t child = fork();
        if (child == 0) {
            alarm(10);
#if !PITCHBAR_UNDER_ADDRESS_SANITIZER
            const rlimit memory{1u << 30, 1u << 30};
            setrlimit(RLIMIT_AS, &memory);
#endif
            asWho();
            int firstWrong = 0;
            const auto check = [&](bool right, int step) {
                if (!right && firstWrong == 0)
                    firstWrong = step;
            };
            try {
                ProfileStore store;
                store.filePath = path;
                check(!store.load(true), 1);
                check(store.savingHeldBack(), 2);
                check(store.takeLoadFailureToShow() == reason, 3);
                check(store.takeLoadFailureToShow().empty(), 4);
                store.selectProfile(store.addProfile("ANNA"));
                for (int save = 0; save < 2; ++save) {
                    check(!store.save(), 5 + 2 * save);
                    check(store.takeSaveFailureToShow() == reason, 6 + 2 * save);
                }
            } catch (...) {
                _exit(99);
            }
            _exit(firstWrong);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
};

TEST_F(UnreadableSave, AFileThePlayerMayNotReadIsToldAndLeftAlone)
{
    const Bytes file = Bytes().b(1).i(15).b(1).i(15).i(1).profile("KEPT").i(0);
    writeBytes(path, file.v);
    ASSERT_EQ(0, chmod(path.c_str(), 0000));
    // Root reads any file: the child gives up root for nobody before it starts.
    const auto asPlayer = [] {
        if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0))
            _exit(100);
    };
    EXPECT_EQ(0, startAndSaveTwice("Permission denied", asPlayer));

    chmod(path.c_str(), 0600);
    EXPECT_EQ(file.v, readBytes(path));
    EXPECT_EQ(std::vector<std::string>{}, namesBeside(path));
}

TEST_F(UnreadableSave, NothingButARegularFileIsReadAndNoneIsWaitedForOrReadWithoutEnd)
{
    // A named pipe nobody writes to: opening it waits for a writer.
    ASSERT_EQ(0, mkfifo(path.c_str(), 0644));
    EXPECT_EQ(0, startAndSaveTwice("Not a regular file")) << "a named pipe";
    struct stat st {};
    EXPECT_TRUE(lstat(path.c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
    fs::remove(path);

    // A link to a device that never ends.
    fs::create_symlink("/dev/zero", path);
    EXPECT_EQ(0, startAndSaveTwice("Not a regular file")) << "a link to /dev/zero";
    EXPECT_EQ(fs::path("/dev/zero"), fs::read_symlink(path));
    fs::remove(path);

    // A file far longer than any save: not read, not taken for damage.
    { std::ofstream(path) << "x"; }
    fs::resize_file(path, 64u << 20);
    EXPECT_EQ(0, startAndSaveTwice("File too large")) << "a 64 MB file";
    EXPECT_EQ(64u << 20, fs::file_size(path));

    // A folder, with the player's things in it.
    fs::remove(path);
    fs::create_directory(path);
    { std::ofstream(path + "/notes.txt") << "mine"; }
    EXPECT_EQ(0, startAndSaveTwice("Is a directory")) << "a folder";
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(std::vector<std::uint8_t>({'m', 'i', 'n', 'e'}), readBytes(path + "/notes.txt"));

    EXPECT_EQ(std::vector<std::string>{}, namesBeside(path));
}

TEST_F(UnreadableSave, TheNewFileTakesItsModeOnlyFromARegularFileAndKeepsTheOwnersReadAndWrite)
{
    const mode_t mask = umask(022);
    const mode_t modeOfNewFiles = 0666 & ~022;
    struct stat st {};

    // A folder of mode 0711 is held back; once the player takes it away, nothing is left
    // to replace and the save is made as a new file, not with the folder's mode.
    fs::create_directory(path);
    ASSERT_EQ(0, chmod(path.c_str(), 0711));
    ProfileStore store;
    store.filePath = path;
    EXPECT_FALSE(store.load(true));
    store.addProfile("ANNA");
    EXPECT_FALSE(store.save());
    EXPECT_TRUE(fs::is_directory(path));
    fs::remove(path);
    EXPECT_TRUE(store.save());
    EXPECT_FALSE(store.savingHeldBack());
    ASSERT_EQ(0, stat(path.c_str(), &st));
    EXPECT_EQ(modeOfNewFiles, st.st_mode & 07777u);

    // Root reads a file of mode 0044 that the player could not: a save taking that mode
    // would leave a file the next start cannot read.
    if (geteuid() == 0) {
        ASSERT_EQ(0, chmod(path.c_str(), 0044));
        ASSERT_TRUE(store.load(true));
        EXPECT_EQ("ANNA", store.profiles.at(0)->name);
        ASSERT_TRUE(store.save());
        ASSERT_EQ(0, stat(path.c_str(), &st));
        EXPECT_EQ(0644u, st.st_mode & 07777u);
    }
    umask(mask);
}

} // namespace
