#pragma once
// A TableSounds player that plays nothing and keeps every call instead, for the headless
// tracer and the tests. The rolling voice is tracked like the real player's, so a second
// startRoll while the voice exists is recorded but changes nothing.
#include <string>
#include <vector>

#include "simulation/TableSounds.h"

struct RecordedSound {
    std::string name;  // roll-start, roll, roll-stop, kick, ballwall, rodwall, score1, score2, applause
    float volume = 0.0f;
    Vector3 position;
};

class RecordingTableSounds : public TableSounds {
public:
    void startRoll() override;
    void updateRoll(const Vector3& velocity, const Vector3& position) override;
    void stopRoll() override;
    void playKick(const Vector3& position, float volume) override;
    void playBallWall(const Vector3& position, float volume) override;
    void playRodWall(const Vector3& position, float volume) override;
    void playScore(bool far, float volume) override;
    void playApplause() override;

    // Calls of one name so far.
    int count(const std::string& name) const;
    // The last call of that name, or null.
    const RecordedSound* last(const std::string& name) const;

    std::vector<RecordedSound> sounds;
    bool rolling = false;
    // updateRoll is called every step; keeping each call would grow without end.
    bool recordRollUpdates = true;
};
