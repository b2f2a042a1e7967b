#include "platform/files/FileRead.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileReadResult unreadable(std::string& reason, const std::string& why)
{
    reason = why;
    return FileReadResult::Unreadable;
}

// Why something that is not a regular file cannot be read as one.
std::string notRegular(const struct stat& st)
{
    return S_ISDIR(st.st_mode) ? std::strerror(EISDIR) : "Not a regular file";
}

} // namespace

FileReadResult readRegularFile(const std::string& path, std::size_t maxBytes,
                               std::vector<std::uint8_t>& bytes, std::string& reason)
{
    bytes.clear();
    // Looked at before it is opened: opening a device can do things of its own.
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        return errno == ENOENT ? FileReadResult::Missing : unreadable(reason, std::strerror(errno));
    if (!S_ISREG(st.st_mode))
        return unreadable(reason, notRegular(st));
    if (static_cast<unsigned long long>(st.st_size) > maxBytes)
        return unreadable(reason, std::strerror(EFBIG));

    // Without blocking: should a named pipe take the file's place after the look above,
    // the open returns at once and the check below refuses it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? FileReadResult::Missing : unreadable(reason, std::strerror(errno));
    FileReadResult result = FileReadResult::Read;
    if (::fstat(fd, &st) != 0) {
        result = unreadable(reason, std::strerror(errno));
    } else if (!S_ISREG(st.st_mode)) {
        result = unreadable(reason, notRegular(st));
    } else {
        // One byte beyond the limit tells a file that grew since the look above.
        std::uint8_t chunk[4096];
        while (result == FileReadResult::Read) {
            const ssize_t n = ::read(fd, chunk, sizeof chunk);
            if (n == 0)
                break;
            if (n < 0) {
                if (errno != EINTR)
                    result = unreadable(reason, std::strerror(errno));
                continue;
            }
            bytes.insert(bytes.end(), chunk, chunk + n);
            if (bytes.size() > maxBytes)
                result = unreadable(reason, std::strerror(EFBIG));
        }
    }
    ::close(fd);
    if (result != FileReadResult::Read)
        bytes.clear();
    return result;
}
