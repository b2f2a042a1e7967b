#include "audio/OpenALTableSounds.h"

#include "audio/OneShotSound.h"

#include <algorithm>

namespace {
const Vector3 kCentre{0.0f, 0.0f, 0.0f};
// The goal boxes sit this far from the table centre along x.
constexpr float kGoalBoxX = 60.5f;
constexpr float kCheerGain = 0.7f;
constexpr float kApplauseGain = 0.7f;
constexpr float kFullRollGain = 0.7f;
// Requests of one sound closer together than this (table units) are one place: the ball
// travels at most 13 units in a frame at its top speed, a few at the speed of most hits.
constexpr float kSamePlace = 8.0f;
}  // namespace

float OpenALTableSounds::rollGain(const Vector3& velocity) {
    return kFullRollGain * std::clamp(length(velocity) * 0.01f, 0.1f, 1.0f);
}

void OpenALTableSounds::startRoll() {
    if (rollVoice != nullptr) return;
    // Silent until the first step tells how fast the ball goes.
    rollVoice = startLoopingVoice(soundSystem, roll, kCentre, 0.0f);
}

void OpenALTableSounds::updateRoll(const Vector3& velocity, const Vector3& position) {
    if (rollVoice == nullptr) return;
    soundSystem->updateVoice(rollVoice, position, rollGain(velocity));
}

void OpenALTableSounds::stopRoll() {
    if (rollVoice == nullptr) return;
    soundSystem->stopVoice(rollVoice);
    rollVoice = nullptr;
}

void OpenALTableSounds::playKick(const Vector3& position, float volume) { queueHit(kick, position, volume); }

void OpenALTableSounds::playBallWall(const Vector3& position, float volume) {
    queueHit(ballwall, position, volume);
}

void OpenALTableSounds::playRodWall(const Vector3& position, float volume) {
    queueHit(rodwall, position, volume);
}

void OpenALTableSounds::queueHit(const SoundHandle* sound, const Vector3& position, float volume) {
    if (sound == nullptr) return;
    for (PendingHit& hit : pendingHits) {
        if (hit.sound != sound || length(hit.position - position) >= kSamePlace) continue;
        if (volume > hit.volume) {
            hit.volume = volume;
            hit.position = position;
        }
        return;
    }
    pendingHits.push_back({sound, position, volume});
}

void OpenALTableSounds::endFrame() {
    for (const PendingHit& hit : pendingHits) playOneShot(soundSystem, hit.sound, hit.position, hit.volume);
    pendingHits.clear();
}

void OpenALTableSounds::playScore(bool far, float volume) {
    // The ball drops into the box, then the crowd cheers from the same end.
    Vector3 box{far ? kGoalBoxX : -kGoalBoxX, 0.0f, 0.0f};
    playOneShot(soundSystem, score1, box, volume);
    playOneShot(soundSystem, score2, box, kCheerGain);
}

void OpenALTableSounds::playApplause() { playOneShot(soundSystem, applause, kCentre, kApplauseGain); }
