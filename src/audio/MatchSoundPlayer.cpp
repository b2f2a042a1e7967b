#include "audio/MatchSoundPlayer.h"

#include "audio/OneShotSound.h"

namespace {
// The menus are not placed in the room: everything plays where the listener starts.
const Vector3 kCentre{0.0f, 0.0f, 0.0f};
constexpr float kMenuGain = 0.7f;
}  // namespace

void MatchSoundPlayer::playHover() { playOneShot(soundSystem, kick, kCentre, kMenuGain); }

void MatchSoundPlayer::playClick() { playOneShot(soundSystem, rodwall, kCentre, kMenuGain); }

void MatchSoundPlayer::startLoop() {
    if (loopVoice != nullptr || soundSystem == nullptr) return;
    loopVoice = startLoopingVoice(soundSystem, roll, kCentre, kMenuGain);
}

void MatchSoundPlayer::stopLoop() {
    if (loopVoice == nullptr) return;
    soundSystem->stopVoice(loopVoice);
    loopVoice = nullptr;
}
