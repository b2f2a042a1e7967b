#include "profiles/ProfileStore.h"

#include "app/log/ErrorLog.h"
#include "profiles/GameStateFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

enum class ReadResult { Read, Missing, Failed };

ReadResult readWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return errno == ENOENT ? ReadResult::Missing : ReadResult::Failed;
    std::uint8_t chunk[4096];
    std::size_t n = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    return failed ? ReadResult::Failed : ReadResult::Read;
}

bool writeWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool flushed = std::fflush(f) == 0;
    const bool closed = std::fclose(f) == 0;
    return written && flushed && closed;
}

} // namespace

bool ProfileStore::load(bool shadowsSupported)
{
    clear();
    damagedOriginalPending = false;
    std::vector<std::uint8_t> bytes;
    switch (readWholeFile(filePath, bytes)) {
    case ReadResult::Missing:
        return true;  // first run: no profiles yet, the default sound settings
    case ReadResult::Failed:
        logError("Could not read " + filePath + ": " + std::strerror(errno) +
                 "; starting without saved profiles.");
        damagedOriginalPending = true;
        return false;
    case ReadResult::Read:
        break;
    }
    std::string problem;
    if (decodeGameState(bytes, *this, shadowsSupported, problem))
        return true;
    logError(filePath + " is damaged: " + problem + "; kept " + std::to_string(profiles.size()) +
             " profiles and " + std::to_string(best.size()) +
             " best results read before it. The original is kept as " + filePath +
             ".bad at the next save.");
    damagedOriginalPending = true;
    return false;
}

bool ProfileStore::save()
{
    const std::string temporary = filePath + ".tmp";
    if (!writeWholeFile(temporary, encodeGameState(*this))) {
        logError("Could not write " + temporary + ": " + std::strerror(errno) + "; " + filePath +
                 " was left as it was.");
        std::remove(temporary.c_str());
        return false;
    }
    if (damagedOriginalPending) {
        const std::string kept = filePath + ".bad";
        if (std::rename(filePath.c_str(), kept.c_str()) != 0 && errno != ENOENT) {
            logError("Could not keep the damaged " + filePath + " as " + kept + ": " +
                     std::strerror(errno) + "; the game was not saved.");
            std::remove(temporary.c_str());
            return false;
        }
        damagedOriginalPending = false;
    }
    if (std::rename(temporary.c_str(), filePath.c_str()) != 0) {
        logError("Could not replace " + filePath + ": " + std::strerror(errno) +
                 "; the game was not saved.");
        std::remove(temporary.c_str());
        return false;
    }
    return true;
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
