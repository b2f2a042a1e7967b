#pragma once
// The table's sounds over the SoundSystem: the rolling ball as one looping voice that
// follows the ball, and one-shot voices for kicks, walls, rod stops, goals and applause.
// Owned by the match screen for the whole run.
#include "audio/SoundSystem.h"
#include "simulation/TableSounds.h"

#include <string>
#include <vector>

class OpenALTableSounds : public TableSounds {
public:
    // Loads the seven table sounds through the resource lookup (anything with
    // `const SoundHandle* getSound(const std::string&)`, the ResourceManager in the game),
    // in the order roll, score1, score2, kick, rodwall, ballwall, applause. A sound that
    // fails to load stays null and is simply not heard.
    template <class SoundLookup>
    OpenALTableSounds(SoundSystem* sounds, SoundLookup* resources) : soundSystem(sounds) {
        if (resources == nullptr) return;
        roll = resources->getSound("roll.wav");
        score1 = resources->getSound("score1.wav");
        score2 = resources->getSound("score2.wav");
        kick = resources->getSound("kick.wav");
        rodwall = resources->getSound("rodwall.wav");
        ballwall = resources->getSound("ballwall.wav");
        applause = resources->getSound("applause.wav");
    }
    // Leaves a playing loop to the SoundSystem, which frees every voice when it shuts down;
    // the players live as long as the game, and the sound system may already be gone.
    OpenALTableSounds(const OpenALTableSounds&) = delete;
    OpenALTableSounds& operator=(const OpenALTableSounds&) = delete;

    void startRoll() override;
    void updateRoll(const Vector3& velocity, const Vector3& position) override;
    void stopRoll() override;
    void playKick(const Vector3& position, float volume) override;
    void playBallWall(const Vector3& position, float volume) override;
    void playRodWall(const Vector3& position, float volume) override;
    void playScore(bool far, float volume) override;
    void playApplause() override;
    // Starts the kicks, wall hits and rod stops asked for during the frame: one voice per
    // sound and place, at the loudest volume asked for there.
    void endFrame() override;

    // The rolling gain for a ball moving at `velocity` (before the master volume): a
    // resting ball is still faintly heard, full loudness from 100 units/s on.
    static float rollGain(const Vector3& velocity);

    SoundSystem* soundSystem = nullptr;
    Voice* rollVoice = nullptr;
    const SoundHandle* roll = nullptr;
    const SoundHandle* score1 = nullptr;
    const SoundHandle* score2 = nullptr;
    const SoundHandle* kick = nullptr;
    const SoundHandle* rodwall = nullptr;
    const SoundHandle* ballwall = nullptr;
    const SoundHandle* applause = nullptr;

    // A hit asked for in this frame and not yet started.
    struct PendingHit {
        const SoundHandle* sound = nullptr;
        Vector3 position;
        float volume = 0.0f;
    };
    std::vector<PendingHit> pendingHits;

private:
    // Each contact of each 1 ms step asks for its sound; started at once they would add
    // up to bursts far louder than any single hit.
    void queueHit(const SoundHandle* sound, const Vector3& position, float volume);
};
