#pragma once
// What every screen works with: the style and fonts it draws with, the profiles, the
// resources, the opponents, the other screens it leads to, the sound and input systems,
// and the few things only the game itself can do. The Game owns all of it and fills one
// ScreenContext that every screen points at, so a screen built before the menus sees them
// once they exist.
#include "screens/TwoPlayerSetup.h"

#include <memory>
#include <vector>

class GameActions;
class GUIStyle;
class InputSystem;
class MatchSoundPlayer;
class Opponent;
class PBFontBig;
class PBFontSmall;
class PBScreen;
class ProfileStore;
class SettingsFile;
class ResourceManager;
class SoundSystem;
struct TextureRecord;

// One instance of each screen for the whole run; null until built (the menus are built
// by the loading screen, after the match screen).
struct ScreenTable {
    PBScreen* profilesScreen = nullptr;
    PBScreen* newProfileScreen = nullptr;
    PBScreen* matchScreen = nullptr;
    PBScreen* playerScreen = nullptr;
    PBScreen* settingsScreen = nullptr;
    PBScreen* bestAchievementsScreen = nullptr;
    PBScreen* creatorsScreen = nullptr;
    PBScreen* helpScreen = nullptr;
    PBScreen* winnerScreen = nullptr;
    PBScreen* deleteProfileScreen = nullptr;
    PBScreen* twoPlayerScreen = nullptr;
    // The loading screen: current after start-up, left behind after the first fade.
    PBScreen* loadingScreen = nullptr;
};

// The eight computer opponents, weakest first; the index is the opponent index of the
// profiles and the match screen.
using OpponentTable = std::vector<std::unique_ptr<Opponent>>;

struct ScreenContext {
    GUIStyle* guiStyle = nullptr;  // null until the device is up: widgets draw nothing
    PBFontSmall* fontSmall = nullptr;
    PBFontBig* fontBig = nullptr;
    ProfileStore* profileStore = nullptr;
    // The game's own settings beside the save file; a setting changed here is written
    // within a second.
    SettingsFile* settings = nullptr;
    ResourceManager* resourceManager = nullptr;
    const OpponentTable* opponents = nullptr;
    ScreenTable screens;
    SoundSystem* soundSystem = nullptr;
    MatchSoundPlayer* matchSoundPlayer = nullptr;
    InputSystem* inputSystem = nullptr;
    GameActions* actions = nullptr;
    // The next match's two players, when the two-player screen starts one.
    TwoPlayerSetup twoPlayers;
};

// The opponent the menus chose, null in free practice (or without a table).
Opponent* currentOpponentEntry(const ScreenContext& context);
// "opponent<index>.png" for indices 0..7, null otherwise or without resources.
TextureRecord* pictureOfOpponent(const ScreenContext& context, int index);
