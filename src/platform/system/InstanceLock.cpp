#include "platform/system/InstanceLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

InstanceLock::~InstanceLock()
{
    if (fd_ >= 0)
        close(fd_);
}

bool InstanceLock::acquire(const std::string& path, bool& heldElsewhere, std::string& problem)
{
    heldElsewhere = false;
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        problem = "Could not open the lock file " + path + ": " + std::strerror(errno);
        return false;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        close(fd);
        if (error == EWOULDBLOCK) {
            heldElsewhere = true;
            problem = "Pitchbar is already running.";
        } else {
            problem = "Could not lock " + path + ": " + std::strerror(error);
        }
        return false;
    }
    if (fd_ >= 0)
        close(fd_);
    fd_ = fd;
    return true;
}

std::string lockPathBeside(const std::string& saveFile)
{
    const std::size_t slash = saveFile.rfind('/');
    return (slash == std::string::npos ? std::string() : saveFile.substr(0, slash + 1)) + "pitchbar.lock";
}
