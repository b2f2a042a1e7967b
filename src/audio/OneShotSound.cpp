#include "audio/OneShotSound.h"

void playOneShot(SoundSystem* sounds, const SoundHandle* sound, const Vector3& position, float gain) {
    if (sounds == nullptr || sound == nullptr) return;
    Voice* voice = sounds->allocateVoice(position);
    if (voice == nullptr) return;
    // On failure play has already handed the voice back.
    sounds->play(voice, sound, gain, /*loop=*/false, /*autoRelease=*/true);
}

Voice* startLoopingVoice(SoundSystem* sounds, const SoundHandle* sound, const Vector3& position,
                         float gain) {
    if (sounds == nullptr || sound == nullptr) return nullptr;
    Voice* voice = sounds->allocateVoice(position);
    if (voice == nullptr) return nullptr;
    if (!sounds->play(voice, sound, gain, /*loop=*/true, /*autoRelease=*/false)) return nullptr;
    return voice;
}
