#pragma once
// The one Game of the process: it creates and owns every subsystem, every screen, the
// fonts, the GUI style and the profiles, and runs the frame step. Everything reaches its
// neighbours through the process-wide pointer gGame.
#include "profiles/ProfileStore.h"
#include "profiles/SoundSettings.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class SoundSystem;
class MatchSoundPlayer;
class ResourceManager;
class InputSystem;
class Renderer;
class PBScreen;
class PBFontSmall;
class PBFontBig;
class GUIStyle;
class GameWindow;
struct Voice;
struct SoundHandle;
struct TextureRecord;
class Opponent;

class Game {
public:
    SoundSystem* soundSystem = nullptr;
    MatchSoundPlayer* matchSoundPlayer = nullptr;
    ResourceManager* resourceManager = nullptr;
    InputSystem* inputSystem = nullptr;
    Renderer* renderer = nullptr;
    // One instance of each screen for the whole run; null until built.
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
    PBFontSmall* fontSmall = nullptr;
    PBFontBig* fontBig = nullptr;
    float mouseX = 512.0f;
    float mouseY = 384.0f;
    GUIStyle* guiStyle = nullptr;
    ProfileStore profileStore;
    // The eight computer opponents, weakest first; the index is the opponent index of
    // the profiles and the match screen.
    std::vector<std::unique_ptr<Opponent>> opponents;
    Voice* musicSource = nullptr;
    std::uint32_t lastFrameTime = 0;  // 0: no frame has run yet
    const SoundHandle* musicBuffer = nullptr;
    // The window the game runs in (the menus' quit command ends its loop).
    GameWindow* window = nullptr;
    // The loading screen: current after init, left behind after the first fade.
    PBScreen* loadingScreen = nullptr;
    // The folder the ResourceManager reads, with a trailing slash; the entry point sets it
    // before init (resources/ of the current folder, or the installed game's data folder).
    std::string resourceDirectory = "resources/";

    // Creates the renderer, sound and input objects (no device work), seeds the random
    // generator with the time in seconds.
    Game();
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // The first start-up stage: devices, resources, profiles, style, fonts, input, the
    // match screen and the loading screen. false as soon as a step fails.
    bool init(GameWindow* window);
    // The second stage, run by the loading screen once its picture is on screen: music,
    // sound volumes and the menu screens.
    void createMenus();
    // One frame: elapsed time, input, cursor, screen update, render.
    void runFrame();
    void applySoundSettings(const SoundSettings& settings);
    // The opponent the menus chose, null in free practice.
    Opponent* currentOpponentEntry();
    // "opponent<index>.png", null for -1.
    TextureRecord* opponentPicture(int index);
    // Saves the profiles before the game ends; false when that save failed for the first
    // time, so the game stays open for the player to read why.
    bool saveBeforeLeaving();
    // Saves the profiles and ends the loop (the menus' "quit"), unless saveBeforeLeaving
    // keeps the game open.
    void quit();
};

extern Game* gGame;
