#pragma once
// The menus' sounds: a short knock when the pointer moves over a widget, a harder one on a
// click, and the ball rolling while a menu screen fades. The Game creates one at start-up;
// it shares the buffers of "roll.wav", "kick.wav" and "rodwall.wav" with the table sounds
// through the resource cache.
#include "audio/SoundSystem.h"

#include <string>

class MatchSoundPlayer {
public:
    // Loads the three sounds through the resource lookup (anything with
    // `const SoundHandle* getSound(const std::string&)`, the ResourceManager in the game).
    // A sound that fails to load stays null and is simply not heard.
    template <class SoundLookup>
    MatchSoundPlayer(SoundSystem* sounds, SoundLookup* resources) : soundSystem(sounds) {
        if (resources == nullptr) return;
        roll = resources->getSound("roll.wav");
        kick = resources->getSound("kick.wav");
        rodwall = resources->getSound("rodwall.wav");
    }
    // Leaves a playing loop to the SoundSystem, which frees every voice when it shuts down;
    // the players live as long as the game, and the sound system may already be gone.
    MatchSoundPlayer(const MatchSoundPlayer&) = delete;
    MatchSoundPlayer& operator=(const MatchSoundPlayer&) = delete;

    // The pointer has moved onto a button, list or selector.
    void playHover();
    // A button has been clicked.
    void playClick();
    // Starts the rolling loop unless it already plays (a fade towards a framed screen).
    void startLoop();
    // Stops the rolling loop (the fade has ended).
    void stopLoop();

    Voice* loopVoice = nullptr;
    const SoundHandle* roll = nullptr;
    const SoundHandle* kick = nullptr;
    const SoundHandle* rodwall = nullptr;
    SoundSystem* soundSystem = nullptr;
};
