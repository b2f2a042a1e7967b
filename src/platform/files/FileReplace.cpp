#include "platform/files/FileReplace.h"

#include "platform/files/FileRead.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Enough for any honest chain of links; a loop ends here.
constexpr int kMaxLinks = 40;

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool fail(FileProblem& problem, const char* action, const std::string& path, int error)
{
    problem.action = action;
    problem.path = path;
    problem.reason = std::strerror(error);
    return false;
}

bool writeAll(int fd, const std::uint8_t* bytes, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, bytes + done, size - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Forces the folder's list of names (the rename just made) to the disk. Some file systems
// cannot sync a folder; the file itself is already safe then, so that is no failure.
void syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// What the system gives a new file (0666 less the umask). The umask can only be read by
// setting it; the game does all its file work on one thread.
mode_t modeOfNewFiles()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A new file beside file, under a name no other file has (<file>.tmp.XXXXXX), so that no
// save ever writes into a file an earlier one left behind.
int createTemporary(const std::string& file, std::string& name)
{
    std::string pattern = file + ".tmp.XXXXXX";
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    name = fd < 0 ? file + ".tmp.XXXXXX" : pattern;
    return fd;
}

// Gives the file its mode and forces it to the disk; false with errno set on failure. The
// file is closed either way.
bool finishFile(int fd, mode_t mode)
{
    bool ok = ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    const int error = errno;
    if (::close(fd) != 0 && ok)
        return false;
    errno = error;
    return ok;
}

// The bytes in a new temporary file beside target, complete and on the disk.
bool writeTemporary(const std::string& target, const std::vector<std::uint8_t>& bytes, mode_t mode,
                    std::string& temporary, FileProblem& problem)
{
    const int fd = createTemporary(target, temporary);
    if (fd < 0)
        return fail(problem, "write", temporary, errno);
    bool ok = writeAll(fd, bytes.data(), bytes.size());
    int error = errno;
    if (ok) {
        ok = finishFile(fd, mode);
        error = errno;
    } else {
        ::close(fd);
    }
    if (ok)
        return true;
    ::unlink(temporary.c_str());
    return fail(problem, "write", temporary, error);
}

// Copies the regular file from to the name to, through a temporary file renamed into
// place, so that to is either whole or as it was. A missing from is no failure. madeNew
// tells whether to did not exist before.
bool keepCopy(const std::string& from, const std::string& to, bool& madeNew, FileProblem& problem)
{
    const char* action = "keep the old file as";
    // Without blocking, nothing but a regular file; no size limit of its own: the file
    // kept is one the game has just read whole.
    std::vector<std::uint8_t> bytes;
    std::string reason;
    struct stat st;
    switch (readRegularFile(from, std::numeric_limits<std::size_t>::max(), bytes, reason)) {
    case FileReadResult::Missing:
        return true;
    case FileReadResult::Unreadable:
        problem = FileProblem{action, to, reason};
        return false;
    case FileReadResult::Read:
        break;
    }
    if (::stat(from.c_str(), &st) != 0)
        return fail(problem, action, to, errno);
    std::string temporary;
    if (!writeTemporary(to, bytes, (st.st_mode & 07777) | S_IRUSR | S_IWUSR, temporary, problem)) {
        problem.action = action;
        problem.path = to;
        return false;
    }
    madeNew = !pathExists(to);
    if (::rename(temporary.c_str(), to.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return fail(problem, action, to, error);
    }
    return true;
}

} // namespace

std::string followLinks(const std::string& path)
{
    std::string current = path;
    for (int i = 0; i < kMaxLinks; ++i) {
        struct stat st;
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
        const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n < 0 || static_cast<std::size_t>(n) >= target.size())
            return current;
        target.resize(static_cast<std::size_t>(n));
        // A relative target is relative to the folder holding the link.
        current = target.front() == '/' || current.find('/') == std::string::npos
                      ? target
                      : folderOf(current) + "/" + target;
    }
    return current;
}

bool pathExists(const std::string& path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

bool replaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes,
                 const std::string& keepOldAs, FileProblem& problem)
{
    const std::string target = followLinks(path);
    // Only a regular file hands on its permissions, and never without the owner's read and
    // write: a save the player cannot read back would be lost at the next start.
    struct stat old;
    const bool oldIsRegular = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    const mode_t mode = oldIsRegular ? (old.st_mode & 07777) | S_IRUSR | S_IWUSR : modeOfNewFiles();

    std::string temporary;
    if (!writeTemporary(target, bytes, mode, temporary, problem))
        return false;

    // The old file is copied, not moved, so that a complete file has the name at every
    // instant, whenever the game is stopped.
    bool keptCopyIsNew = false;
    if (!keepOldAs.empty() && !keepCopy(target, keepOldAs, keptCopyIsNew, problem)) {
        ::unlink(temporary.c_str());
        return false;
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        // The old file is still in its place; the next save keeps it again.
        if (keptCopyIsNew)
            ::unlink(keepOldAs.c_str());
        return fail(problem, "replace", target, error);
    }
    syncFolder(folderOf(target));
    return true;
}
