#include "platform/files/FileReplace.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
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

bool writeAll(int fd, const std::vector<std::uint8_t>& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
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
    const std::string temporary = target + ".tmp";

    struct stat old;
    const bool hadOld = ::stat(target.c_str(), &old) == 0;
    // O_NOFOLLOW: a link left at the temporary name must not send the bytes elsewhere.
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return fail(problem, "write", temporary, errno);
    bool ok = writeAll(fd, bytes);
    int error = errno;
    if (ok && hadOld && ::fchmod(fd, old.st_mode & 07777) != 0) {
        ok = false;
        error = errno;
    }
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        error = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return fail(problem, "write", temporary, error);
    }

    if (!keepOldAs.empty() && ::rename(target.c_str(), keepOldAs.c_str()) != 0 && errno != ENOENT) {
        error = errno;
        ::unlink(temporary.c_str());
        return fail(problem, "keep the old file as", keepOldAs, error);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
        ::unlink(temporary.c_str());
        if (!keepOldAs.empty())
            ::rename(keepOldAs.c_str(), target.c_str());  // the old file back in its place
        return fail(problem, "replace", target, error);
    }
    syncFolder(folderOf(target));
    return true;
}
