#include "profiles/ProfileStore.h"

#include "core/ErrorLog.h"
#include "platform/files/FileRead.h"
#include "platform/files/FileReplace.h"
#include "profiles/DamagedFileName.h"
#include "profiles/GameStateFile.h"

bool ProfileStore::load(bool shadowsSupported)
{
    clear();
    damagedOriginalPending = false;
    unreadable_.clear();
    loadFailureToShow_.clear();
    std::vector<std::uint8_t> bytes;
    std::string reason;
    switch (readRegularFile(filePath, kLargestSaveFileBytes, bytes, reason)) {
    case FileReadResult::Missing:
        return true;  // first run: no profiles yet, the default sound settings
    case FileReadResult::Unreadable:
        logError("Could not read " + filePath + ": " + reason +
                 "; starting without saved profiles, and nothing is saved while it cannot be read.");
        unreadable_ = reason;
        loadFailureToShow_ = reason;
        return false;
    case FileReadResult::Read:
        break;
    }
    std::string problem;
    if (decodeGameState(bytes, *this, shadowsSupported, problem))
        return true;
    logError(filePath + " is damaged: " + problem + "; kept " + std::to_string(profiles.size()) +
             " profiles and " + std::to_string(best.size()) +
             " best results read before it. The original is kept as " +
             nameForDamagedFile(followLinks(filePath)) + " at the next save.");
    damagedOriginalPending = true;
    return false;
}

bool ProfileStore::save()
{
    if (savingHeldBack() && !saveFileGone()) {
        logError("Did not write " + filePath + ": it could not be read (" + unreadable_ +
                 "), so it was left as it was.");
        saveFailureToShow_ = unreadable_;
        return false;
    }
    unreadable_.clear();
    const std::string file = followLinks(filePath);
    const std::string keepOldAs = damagedOriginalPending ? nameForDamagedFile(file) : "";
    FileProblem problem;
    if (replaceFile(filePath, encodeGameState(*this), keepOldAs, problem)) {
        damagedOriginalPending = false;
        saveFailure_.clear();
        return true;
    }
    if (problem.action == "write")
        logError("Could not write " + problem.path + ": " + problem.reason + "; " + filePath +
                 " was left as it was.");
    else if (problem.action == "replace")
        logError("Could not replace " + problem.path + ": " + problem.reason +
                 "; the game was not saved.");
    else
        logError("Could not keep the damaged " + file + " as " + problem.path + ": " +
                 problem.reason + "; the game was not saved.");
    // The player hears of it once; later saves keep trying and stay quiet until one works.
    if (saveFailure_.empty())
        saveFailureToShow_ = problem.reason;
    saveFailure_ = problem.reason;
    return false;
}

bool ProfileStore::saveFileGone() const
{
    std::vector<std::uint8_t> bytes;
    std::string reason;
    return readRegularFile(filePath, kLargestSaveFileBytes, bytes, reason) == FileReadResult::Missing;
}

std::string ProfileStore::takeLoadFailureToShow()
{
    std::string reason;
    reason.swap(loadFailureToShow_);
    return reason;
}

std::string ProfileStore::takeSaveFailureToShow()
{
    std::string reason;
    reason.swap(saveFailureToShow_);
    return reason;
}

void ProfileStore::clear()
{
    currentProfile = nullptr;
    profiles.clear();
    best.clear();
}

Profile* ProfileStore::findProfile(const std::string& name) const
{
    for (const auto& p : profiles)
        if (p->name == name)
            return p.get();
    return nullptr;
}

std::string ProfileStore::refusalFor(const std::string& name) const
{
    if (name.empty())
        return "Profile name cannot be empty.";
    if (findProfile(name))
        return "A profile with this name already exists.";
    return "";
}

Profile* ProfileStore::addProfile(const std::string& name)
{
    auto p = std::make_unique<Profile>(name);
    p->setSoundSettings(soundSettings());
    profiles.push_back(std::move(p));
    return profiles.back().get();
}

void ProfileStore::removeProfile(int index)
{
    if (index < 0 || index >= static_cast<int>(profiles.size()))
        return;
    if (profiles[static_cast<std::size_t>(index)].get() == currentProfile)
        currentProfile = nullptr;
    profiles.erase(profiles.begin() + index);
}

void ProfileStore::selectProfile(Profile* profile)
{
    currentProfile = profile;
    if (profile)
        setSoundSettings(profile->soundSettings());
}

void ProfileStore::recordWin(int conceded)
{
    Profile* p = currentProfile;
    const int level = currentOpponent;
    if (!p || level < 0 || level >= kOpponentCount) {
        logError("A win was reported without a profile or an opponent; nothing recorded.");
        return;
    }
    if (p->bestLevel < level || (p->bestLevel == level && p->bestConceded > conceded)) {
        p->bestLevel = level;
        p->bestConceded = conceded;
    }
    BestAchievement row{p->name, level, conceded};
    auto at = best.begin();
    for (; at != best.end(); ++at) {
        // A new row goes ahead of older rows with the same result.
        if (row.level != at->level ? row.level > at->level : row.conceded <= at->conceded)
            break;
    }
    best.insert(at, std::move(row));
    if (static_cast<int>(best.size()) > kBestAchievementRows)
        best.erase(best.begin() + kBestAchievementRows);
}

SoundSettings ProfileStore::soundSettings() const
{
    return SoundSettings{sound, soundVolume, music, musicVolume};
}

void ProfileStore::setSoundSettings(const SoundSettings& s)
{
    sound = s.sound;
    soundVolume = s.soundVolume;
    music = s.music;
    musicVolume = s.musicVolume;
}
