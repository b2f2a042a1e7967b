#pragma once
// What the screens ask of the game itself rather than of one of its parts: the game
// installs itself here in the ScreenContext, so the screens never see the Game.
struct SoundSettings;

class GameActions {
public:
    virtual ~GameActions() = default;
    // Saves the profiles and ends the game (the main menu's QUIT GAME), unless a save that
    // fails for the first time, or the first request while nothing can be saved, keeps it
    // open for the player to read why.
    virtual void quit() = 0;
    // The second start-up stage, run by the loading screen once its picture is on screen:
    // music, sound volumes and the menu screens (into the context's screen table).
    virtual void createMenus() = 0;
    // Sound and music volumes as these settings ask.
    virtual void applySoundSettings(const SoundSettings& settings) = 0;
};
