#pragma once
// The game's own settings, kept in a text file beside the save file: everything the game
// remembers beyond what the save file holds (the window, the teams' colours, each
// profile's difficulty and two-player record, ...). The save file keeps its own format.
//
// The file is a first line "pitchbar-settings <version>" and then one "key = value" per
// line, sorted by key; lines starting with '#' are notes. A key is made of letters,
// digits, '.', '_', '-' and '%'; a value is one line of printable text. Keys this
// game does not know are kept and written back, so a newer game's settings survive a run
// of an older one. It is written whole through the same temporary-file replace as the
// save, and only when something changed.
#include <cstddef>
#include <map>
#include <string>

constexpr int kSettingsFileVersion = 1;
// Far beyond anything the game writes: a few hundred bytes a profile.
constexpr std::size_t kLargestSettingsFileBytes = 256 * 1024;

class SettingsFile {
public:
    std::string filePath = "settings.txt";

    // Reads the file. A missing file gives every setting its default. A damaged file keeps
    // every line that reads cleanly, writes an error line, and is kept beside the new file
    // (<file>.bad, ...) at the next save. A file that cannot be read at all is never
    // written over while the game runs; its settings are the defaults. false for both.
    bool load();
    // Writes the file if anything changed since it was read or last written. A failure
    // writes an error line and is not tried again until a setting changes.
    bool save();
    bool hasUnsavedChanges() const { return changed_; }
    // Goes up with every change of a value and every load, saved or not: a reader that
    // applies settings each frame compares it instead of reading them again.
    unsigned revision() const { return revision_; }

    // The stored value, or the fallback when the key is missing or its value does not
    // read as that kind (a number outside [lowest, highest] is pulled into it).
    std::string text(const std::string& key, const std::string& fallback) const;
    int number(const std::string& key, int fallback, int lowest, int highest) const;
    bool flag(const std::string& key, bool fallback) const;
    // false (and nothing stored) for a key or value the file could not hold.
    bool setText(const std::string& key, const std::string& value);
    bool setNumber(const std::string& key, int value);
    bool setFlag(const std::string& key, bool value);
    void erase(const std::string& key);

    // "profile.<name>.<setting>", the name's bytes other than letters, digits, '_' and '-'
    // written as %XX, so any name makes a key of its own.
    static std::string profileKey(const std::string& profileName, const std::string& setting);
    // Drops every setting of that profile (it was deleted).
    void forgetProfile(const std::string& profileName);

    // What load read, for tests and the file's readers: the version of the file.
    int fileVersion() const { return fileVersion_; }

    static bool validKey(const std::string& key);
    static bool validValue(const std::string& value);
    // The file's text for these values; parse reads it back, keeping the good lines and
    // saying what was wrong with the first bad one.
    static std::string format(const std::map<std::string, std::string>& values, int version);
    static bool parse(const std::string& text, std::map<std::string, std::string>& values,
                      int& version, std::string& problem);

private:
    std::map<std::string, std::string> values_;
    int fileVersion_ = kSettingsFileVersion;
    bool changed_ = false;
    unsigned revision_ = 0;
    void markChanged() { changed_ = true; ++revision_; }
    bool damagedOriginalPending_ = false;
    std::string unreadable_;  // why the file could not be read, "" when it could
};
