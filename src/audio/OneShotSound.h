#pragma once
// The two ways both sound players start a sound on the SoundSystem.
#include "audio/SoundSystem.h"

// A fire-and-forget effect: a fresh voice at the position, no loop, freed by the sound
// system once it has stopped. Skipped when no voice is free or the sound did not load.
void playOneShot(SoundSystem* sounds, const SoundHandle* sound, const Vector3& position, float gain);

// A looping voice that the caller keeps and stops itself; null when no voice is free or
// the sound did not load (the voice has then already gone back to the pool).
Voice* startLoopingVoice(SoundSystem* sounds, const SoundHandle* sound, const Vector3& position,
                         float gain);
