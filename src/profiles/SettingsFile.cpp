#include "profiles/SettingsFile.h"

#include "core/ErrorLog.h"
#include "platform/files/FileRead.h"
#include "platform/files/FileReplace.h"
#include "profiles/DamagedFileName.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

namespace {

const char* const kHeader = "pitchbar-settings ";

bool isKeyChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-' || c == '%';
}

// Reads a whole decimal int; false for anything else ("", "12x", beyond int).
bool readInt(const std::string& s, long& out)
{
    if (s.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    out = std::strtol(s.c_str(), &end, 10);
    return errno == 0 && *end == '\0' && out >= INT_MIN && out <= INT_MAX;
}

} // namespace

bool SettingsFile::validKey(const std::string& key)
{
    if (key.empty() || key.size() > 200)
        return false;
    for (char c : key)
        if (!isKeyChar(c))
            return false;
    return true;
}

bool SettingsFile::validValue(const std::string& value)
{
    if (value.size() > 1000 || (!value.empty() && (value.front() == ' ' || value.back() == ' ')))
        return false;
    for (unsigned char c : value)
        if (c < 0x20 || c == 0x7f)
            return false;
    return true;
}

std::string SettingsFile::format(const std::map<std::string, std::string>& values, int version)
{
    std::string text = kHeader + std::to_string(version) + "\n";
    text += "# Pitchbar's own settings. The game rewrites this file when a setting changes.\n";
    for (const auto& [key, value] : values)
        text += key + " = " + value + "\n";
    return text;
}

bool SettingsFile::parse(const std::string& text, std::map<std::string, std::string>& values,
                         int& version, std::string& problem)
{
    values.clear();
    problem.clear();
    const std::size_t headerLength = std::string(kHeader).size();
    const std::size_t firstEnd = text.find('\n');
    const std::string first = text.substr(0, firstEnd);
    long v = 0;
    if (first.compare(0, headerLength, kHeader) != 0 || !readInt(first.substr(headerLength), v) || v < 1) {
        problem = "the first line is not \"pitchbar-settings <version>\"";
        version = kSettingsFileVersion;
        return false;
    }
    version = static_cast<int>(v);
    if (firstEnd == std::string::npos)
        return true;
    std::size_t start = firstEnd + 1;
    int lineNumber = 1;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.empty() || line[0] == '#')
            continue;
        const std::size_t equals = line.find(" = ");
        const std::string key = equals == std::string::npos ? "" : line.substr(0, equals);
        const std::string value = equals == std::string::npos ? "" : line.substr(equals + 3);
        if (!validKey(key) || !validValue(value)) {
            if (problem.empty())
                problem = "line " + std::to_string(lineNumber) + " is not \"key = value\"";
            continue;
        }
        values[key] = value;
    }
    return problem.empty();
}

bool SettingsFile::load()
{
    values_.clear();
    fileVersion_ = kSettingsFileVersion;
    changed_ = false;
    ++revision_;
    damagedOriginalPending_ = false;
    unreadable_.clear();
    std::vector<std::uint8_t> bytes;
    std::string reason;
    switch (readRegularFile(filePath, kLargestSettingsFileBytes, bytes, reason)) {
    case FileReadResult::Missing:
        return true;
    case FileReadResult::Unreadable:
        logError("Could not read " + filePath + ": " + reason +
                 "; the settings are the defaults, and the file is left as it is.");
        unreadable_ = reason;
        return false;
    case FileReadResult::Read:
        break;
    }
    std::string problem;
    if (parse(std::string(bytes.begin(), bytes.end()), values_, fileVersion_, problem))
        return true;
    logError(filePath + " is damaged: " + problem + "; kept the " + std::to_string(values_.size()) +
             " settings that read cleanly. The original is kept as " +
             nameForDamagedFile(followLinks(filePath)) + " at the next save.");
    damagedOriginalPending_ = true;
    changed_ = true;  // write the clean settings back, with the original set aside
    return false;
}

bool SettingsFile::save()
{
    if (!changed_)
        return true;
    changed_ = false;
    if (!unreadable_.empty()) {
        std::vector<std::uint8_t> bytes;
        std::string reason;
        if (readRegularFile(filePath, kLargestSettingsFileBytes, bytes, reason) != FileReadResult::Missing)
            return false;  // said once at load; the file is not ours to replace
        unreadable_.clear();
    }
    const std::string text = format(values_, fileVersion_);
    const std::string keepOldAs = damagedOriginalPending_ ? nameForDamagedFile(followLinks(filePath)) : "";
    FileProblem problem;
    if (replaceFile(filePath, std::vector<std::uint8_t>(text.begin(), text.end()), keepOldAs, problem)) {
        damagedOriginalPending_ = false;
        return true;
    }
    logError("Could not " + problem.action + " " + problem.path + ": " + problem.reason +
             "; the settings were not saved.");
    return false;
}

std::string SettingsFile::text(const std::string& key, const std::string& fallback) const
{
    const auto found = values_.find(key);
    return found == values_.end() ? fallback : found->second;
}

int SettingsFile::number(const std::string& key, int fallback, int lowest, int highest) const
{
    long v = 0;
    if (!readInt(text(key, ""), v))
        return fallback;
    return static_cast<int>(v < lowest ? lowest : v > highest ? highest : v);
}

bool SettingsFile::flag(const std::string& key, bool fallback) const
{
    const std::string v = text(key, "");
    return v == "yes" ? true : v == "no" ? false : fallback;
}

bool SettingsFile::setText(const std::string& key, const std::string& value)
{
    if (!validKey(key) || !validValue(value)) {
        logError("A setting could not be kept: \"" + key + "\" cannot be written to " + filePath + ".");
        return false;
    }
    auto found = values_.find(key);
    if (found != values_.end() && found->second == value)
        return true;
    values_[key] = value;
    markChanged();
    return true;
}

bool SettingsFile::setNumber(const std::string& key, int value)
{
    return setText(key, std::to_string(value));
}

bool SettingsFile::setFlag(const std::string& key, bool value)
{
    return setText(key, value ? "yes" : "no");
}

void SettingsFile::erase(const std::string& key)
{
    if (values_.erase(key) > 0)
        markChanged();
}

std::string SettingsFile::profileKey(const std::string& profileName, const std::string& setting)
{
    static const char* const hex = "0123456789ABCDEF";
    std::string key = "profile.";
    for (unsigned char c : profileName) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-') {
            key += static_cast<char>(c);
        } else {
            key += '%';
            key += hex[c >> 4];
            key += hex[c & 15];
        }
    }
    return key + "." + setting;
}

void SettingsFile::forgetProfile(const std::string& profileName)
{
    const std::string prefix = profileKey(profileName, "");
    for (auto it = values_.lower_bound(prefix); it != values_.end() && it->first.compare(0, prefix.size(), prefix) == 0;) {
        it = values_.erase(it);
        markChanged();
    }
}
