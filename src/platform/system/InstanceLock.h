#pragma once
// One copy of the game at a time per data folder. Two copies would each hold the profiles
// they loaded and the last one to save would erase what the other wrote. The lock is an
// advisory lock on a small file beside the save: the kernel lets go of it when the game
// ends in any way, so a crash never leaves the game locked out.
#include <string>

class InstanceLock {
public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Takes the lock on path, creating the file if needed. false when another copy holds it
    // (heldElsewhere then true) or the file cannot be opened (problem says why).
    bool acquire(const std::string& path, bool& heldElsewhere, std::string& problem);

private:
    int fd_ = -1;
};

// The lock file of a save file: "pitchbar.lock" in the save file's folder.
std::string lockPathBeside(const std::string& saveFile);
