#include "simulation/RecordingTableSounds.h"

#include <algorithm>

void RecordingTableSounds::startRoll() {
    sounds.push_back({"roll-start", 0.0f, {}});
    rolling = true;
}

void RecordingTableSounds::updateRoll(const Vector3& velocity, const Vector3& position) {
    if (!rolling || !recordRollUpdates) return;
    float gain = 0.7f * std::min(std::max(length(velocity) * 0.01f, 0.1f), 1.0f);
    sounds.push_back({"roll", gain, position});
}

void RecordingTableSounds::stopRoll() {
    sounds.push_back({"roll-stop", 0.0f, {}});
    rolling = false;
}

void RecordingTableSounds::playKick(const Vector3& position, float volume) {
    sounds.push_back({"kick", volume, position});
}

void RecordingTableSounds::playBallWall(const Vector3& position, float volume) {
    sounds.push_back({"ballwall", volume, position});
}

void RecordingTableSounds::playRodWall(const Vector3& position, float volume) {
    sounds.push_back({"rodwall", volume, position});
}

void RecordingTableSounds::playScore(bool far, float volume) {
    Vector3 position{far ? 60.5f : -60.5f, 0.0f, 0.0f};
    sounds.push_back({"score1", volume, position});
    sounds.push_back({"score2", 0.7f, position});
}

void RecordingTableSounds::playApplause() {
    sounds.push_back({"applause", 0.7f, {}});
}

int RecordingTableSounds::count(const std::string& name) const {
    return static_cast<int>(std::count_if(sounds.begin(), sounds.end(),
                                          [&](const RecordedSound& s) { return s.name == name; }));
}

const RecordedSound* RecordingTableSounds::last(const std::string& name) const {
    for (auto it = sounds.rbegin(); it != sounds.rend(); ++it)
        if (it->name == name) return &*it;
    return nullptr;
}
