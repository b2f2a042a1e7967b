#pragma once
// Every profile, the ten best results and the sound settings last in use, plus the profile
// and opponent the menus have chosen. Loaded once at start-up, written whole at each save.
#include "profiles/BestAchievement.h"
#include "profiles/Profile.h"
#include "profiles/SoundSettings.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

constexpr int kBestAchievementRows = 10;
// Damaged save files kept beside the save file: <file>.bad, <file>.bad.1, ...
constexpr int kKeptDamagedFiles = 5;

class ProfileStore {
public:
    // The sound settings block of the profile last selected or confirmed; before any profile
    // is chosen it sets the music volume at start-up.
    bool sound = true;
    std::int32_t soundVolume = 15;
    bool music = true;
    std::int32_t musicVolume = 15;
    std::vector<std::unique_ptr<Profile>> profiles;  // creation order
    std::vector<BestAchievement> best;               // best first, at most ten rows
    std::int32_t currentOpponent = -1;               // -1 free practice; not saved
    Profile* currentProfile = nullptr;               // not saved

    // The save file; tests point it elsewhere.
    std::string filePath = "gamestate.dat";

    // Reads the save file. A missing file is a first run. A damaged file keeps every record
    // read intact before the damage, writes an error line, and makes the next save keep the
    // damaged original beside the new file (<file>.bad, or .bad.1 and on when that is
    // taken). Returns false only for damage.
    bool load(bool shadowsSupported);
    // Writes the whole file through a temporary file that replaces the old one only when it
    // was written completely and is on the disk; a save file that is a symbolic link is
    // written at its target and keeps its permissions. A failed save writes an error line,
    // keeps the old file and leaves the reason for the player (below).
    bool save();
    // Why the first of a run of failed saves failed, in the system's words ("No space left
    // on device"), once; "" when there is nothing new to tell. A save that works ends the run.
    std::string takeSaveFailureToShow();
    bool hasSaveFailureToShow() const { return !saveFailureToShow_.empty(); }
    void clear();

    Profile* findProfile(const std::string& name) const;
    // Why a new profile of that name is refused ("" when it may be created): the name
    // must not be empty and must not be taken, byte for byte.
    std::string refusalFor(const std::string& name) const;
    Profile* addProfile(const std::string& name);
    void removeProfile(int index);
    void selectProfile(Profile* profile);
    // The current profile beat the current opponent conceding that many goals.
    void recordWin(int conceded);

    SoundSettings soundSettings() const;
    void setSoundSettings(const SoundSettings& s);

    // True while the file on disk did not read cleanly and has not been set aside yet.
    bool keepsDamagedOriginal() const { return damagedOriginalPending; }

private:
    bool damagedOriginalPending = false;
    std::string saveFailure_;        // the reason of the last save, "" when it worked
    std::string saveFailureToShow_;  // not told to the player yet
};
