#pragma once
// Every profile, the ten best results and the sound settings last in use, plus the profile
// and opponent the menus have chosen. Loaded once at start-up, written whole at each save.
#include "profiles/BestAchievement.h"
#include "profiles/DamagedFileName.h"
#include "profiles/Profile.h"
#include "profiles/SoundSettings.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

constexpr int kBestAchievementRows = 10;

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
    // taken). A file that cannot be read at all (refused by the system, not a regular file,
    // too long) is no damage: it is never moved or written over, saving is held back (below)
    // and the reason waits for the main menu. Returns false for damage and for a file that
    // cannot be read.
    bool load(bool shadowsSupported);
    // Writes the whole file through a temporary file that replaces the old one only when it
    // was written completely and is on the disk; a save file that is a symbolic link is
    // written at its target and keeps its permissions. A failed save writes an error line,
    // keeps the old file and leaves the reason for the player (below). While saving is held
    // back nothing is written and every call leaves the reason for the player again.
    bool save();
    // True while the save file could not be read at the start: what is on the disk may hold
    // profiles the game never saw, so no save replaces it. A save made after the file has
    // gone away writes again.
    bool savingHeldBack() const { return !unreadable_.empty(); }
    // Why the save file could not be read, in the system's words ("Permission denied"),
    // once, for the main menu; "" when there is nothing to tell.
    std::string takeLoadFailureToShow();
    // Why the first of a run of failed saves failed, in the system's words ("No space left
    // on device"), once; "" when there is nothing new to tell. A save that works ends the run.
    // While saving is held back, why the save file could not be read, after every save.
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
    // Nothing has the save file's name any more (the player took the unreadable one away).
    bool saveFileGone() const;

    bool damagedOriginalPending = false;
    std::string unreadable_;         // why the save file could not be read, "" when it could
    std::string loadFailureToShow_;  // not told to the player yet
    std::string saveFailure_;        // the reason of the last save, "" when it worked
    std::string saveFailureToShow_;  // not told to the player yet
};
