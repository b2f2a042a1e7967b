#pragma once
// Replacing a file whole, so that a crash, a full disk or a power cut leaves either the old
// contents or the new ones, never a mixture and never no file: the bytes go to a temporary
// file beside it under a name of its own ("<file>.tmp.XXXXXX", new for every save), are
// forced to the disk, and the temporary file is then renamed over the old one, whose folder
// is forced to the disk too. A file reached through symbolic links is replaced at the end
// of the links, which stay as they are. The new file keeps the permissions of an old
// regular file, always with the owner's read and write; otherwise it gets the usual ones.
#include <cstdint>
#include <string>
#include <vector>

// What went wrong, for the error line and for the player.
struct FileProblem {
    std::string action;  // what was being done, e.g. "write", "replace"
    std::string path;    // the file it was done to
    std::string reason;  // the system's words, e.g. "No space left on device"
};

// The file that path finally names, with every symbolic link on the way followed (the
// target of a link need not exist yet). A path without links comes back as it is.
std::string followLinks(const std::string& path);

// Whether anything (a file, a folder, a link) has that name.
bool pathExists(const std::string& path);

// Writes bytes over the file that path names, as above. When keepOldAs is not empty, a
// copy of the old regular file is first put under that name, complete before it appears
// there (a missing old file is no failure). On failure the old file is still in its
// place, the temporary files are gone, a copy this call made is gone, and problem says why.
bool replaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes,
                 const std::string& keepOldAs, FileProblem& problem);
