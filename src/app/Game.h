#pragma once
// The one Game of the process: it creates and owns every subsystem, every screen, the
// fonts, the GUI style and the profiles, and runs the frame step. The screens reach what
// they share through the one ScreenContext it fills, the widgets through what it installs
// into WidgetServices; only the entry point uses the process-wide pointer gGame.
#include "app/MenuWidgetSounds.h"
#include "audio/MusicRotation.h"
#include "platform/window/WindowPlacement.h"
#include "profiles/ProfileStore.h"
#include "profiles/SettingsFile.h"
#include "profiles/SoundSettings.h"
#include "screens/GameActions.h"
#include "screens/ScreenContext.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class KRScreen;
class Renderer;
class GameWindow;
struct Voice;
struct SoundHandle;

class Game : public GameActions {
public:
    Renderer* renderer = nullptr;
    // What every screen works with, and the one place the Game keeps the sound and input
    // systems, the resource manager, the match sound player, the GUI style, the fonts and
    // the screens it creates and deletes. The profile store, the opponents and the actions
    // are this Game's own fields and itself.
    ScreenContext context;
    float mouseX = 512.0f;
    float mouseY = 384.0f;
    ProfileStore profileStore;
    // Read by the entry point before the window shows (it keeps the window's placement).
    SettingsFile settings;
    OpponentTable opponents;
    // The music tracks in turn, a new one at each match's start and end.
    MusicRotation music;
    std::uint32_t lastFrameTime = 0;  // 0: no frame has run yet
    // The window the game runs in (the menus' quit command ends its loop).
    GameWindow* window = nullptr;
    // The folder the ResourceManager reads, with a trailing slash; the entry point sets it
    // before init (resources/ of the current folder, or the installed game's data folder).
    std::string resourceDirectory = "resources/";

    // Creates the renderer, sound and input objects (no device work) and fills the screen
    // context with what exists so far, seeds the random generator with the time in seconds.
    Game();
    ~Game() override;
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // The first start-up stage: devices, resources, profiles, style, fonts (the widget
    // services installed once the style exists), input, the match screen and the loading
    // screen. false as soon as a step fails.
    bool init(GameWindow* window);
    // The second stage, run by the loading screen once its picture is on screen: music,
    // sound volumes and the menu screens.
    void createMenus() override;
    // One frame: elapsed time, input, cursor, screen update, render.
    void runFrame();
    // Frames a second the game needs now, 0 for all the display shows: what the current
    // screen wants (every frame in a match in play, fewer at the menus and in a pause), and
    // no more than a menu's while the player is away from the window.
    int frameRateLimit() const;
    void applySoundSettings(const SoundSettings& settings) override;
    // A new music track as a match begins and as it ends (the current screen's
    // matchUnderway turning on or off); runFrame asks once a frame.
    void turnMusicWithMatches(const KRScreen* current);
    // Saves the profiles before the game ends; false when that save failed for the first
    // time, or saving is held back and this is the first request to leave, so the game
    // stays open for the player to read why.
    bool saveBeforeLeaving();
    // Writes the settings now if any changed, the window's placement among them; the game
    // does it by itself a moment after a change.
    void saveSettings();
    // The picture's settings (wide picture, smooth edges) from the settings file into the
    // renderer; runFrame does it every frame, so a change shows at once.
    void applyVideoSettings();
    // The current screen keeps what the player changed on it (the game is ending there).
    void keepEditsOfEnding();
    // Saves the profiles and ends the loop (the menus' "quit"), unless saveBeforeLeaving
    // keeps the game open.
    void quit() override;
    // Hands the context's GUI style and the menu sounds to every widget (WidgetServices);
    // init does it once the style exists, a test that builds the style itself calls it.
    // The destructor takes both away again.
    void installWidgetServices();

    // The music files of the precalc folder, in the order they take turns.
    static constexpr const char* kMusicTracks[] = {"precalc.dat", "precalc2.dat", "precalc3.dat", "precalc4.dat"};

    // What the main menu says when the game started without a sound device.
    static constexpr const char* kNoSoundNotice = "NO SOUND DEVICE WAS FOUND: THE GAME PLAYS WITHOUT SOUND.";

private:
    MenuWidgetSounds widgetSounds_{context};
    bool widgetServicesInstalled_ = false;
    bool soundMissing_ = false;  // no sound device at start: the game plays muted
    bool hadFocus_ = true;       // the window's keyboard focus at the last frame
    float musicGain_ = 0.0f;     // the music's gain as the sound settings ask
    float musicLevel_ = 1.0f;    // of that gain: lower while paused or away
    void fadeMusic(bool quiet, float dt);
    // The music voices at the settings' gain times the pause and absence level.
    void setMusicGain();
    bool matchUnderway_ = false;  // as the current screen said at the last frame
    bool toldNothingSavedAtLeaving_ = false;
    // Seconds since a setting last changed, while one waits to be written: a window
    // dragged or resized is written once it rests.
    float settingsUnsavedFor_ = 0.0f;
    // What the settings file was last told of the window and its revision then, and the
    // revision the renderer's picture settings were last read at: both are looked at every
    // frame, and the settings are touched only when something moved.
    WindowPlacement keptPlacement_;
    unsigned placementRevision_ = 0;
    bool placementKept_ = false;
    unsigned videoSettingsRevision_ = 0;
    bool videoSettingsApplied_ = false;
    void keepPlacement();
    void keepSettings(float dt);
    // The game's pointer: moved by the mouse's counts while the pointer is held, put where
    // the system pointer is while it is free (a windowed game away from the rods).
    void movePointer(const KRScreen* current);
};

extern Game* gGame;
