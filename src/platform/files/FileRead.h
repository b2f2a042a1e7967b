#pragma once
// Reading a small file whole without ever waiting on it or running out of memory: only a
// regular file is opened (a symbolic link to one is followed), it is opened without
// blocking, so a named pipe or a device in its place cannot stop the game, and no more
// than a given number of bytes is read.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class FileReadResult {
    Read,        // bytes holds the whole file
    Missing,     // nothing has that name (or a link points nowhere)
    Unreadable,  // something is there but cannot be read; reason says why
};

// Reads the file that path names into bytes. Unreadable covers what the system refuses
// ("Permission denied"), a folder ("Is a directory"), anything else that is not a regular
// file ("Not a regular file") and a file longer than maxBytes ("File too large").
FileReadResult readRegularFile(const std::string& path, std::size_t maxBytes,
                               std::vector<std::uint8_t>& bytes, std::string& reason);
