#include "app/Game.h"

#include "app/FrameStep.h"
#include "app/MusicLevel.h"
#include "app/VideoSettings.h"
#include "app/WindowSettings.h"
#include "core/ErrorLog.h"
#include "audio/MatchSoundPlayer.h"
#include "control/Opponent.h"
#include "audio/SoundSystem.h"
#include "input/InputSystem.h"
#include "platform/input/SdlInputDevices.h"
#include "core/GameRandom.h"
#include "platform/time/GameClock.h"
#include "platform/window/GameWindow.h"
#include "platform/gfx/GraphicsDevice.h"
#include "platform/gfx/PictureFit.h"
#include "render/fonts/GlyphTables.h"
#include "render/fonts/PBFontBig.h"
#include "render/fonts/PBFontSmall.h"
#include "screens/BestAchievementsScreen.h"
#include "screens/CreatorsScreen.h"
#include "screens/DeleteProfileScreen.h"
#include "screens/HelpScreen.h"
#include "screens/InitScreen.h"
#include "screens/MatchScreen.h"
#include "screens/NewProfileScreen.h"
#include "screens/PlayerScreen.h"
#include "screens/ProfilesScreen.h"
#include "screens/SettingsScreen.h"
#include "screens/TwoPlayerScreen.h"
#include "screens/WinnerScreen.h"
#include "ui/GUIStyle.h"
#include "screens/PBScreen.h"
#include "ui/widgets/WidgetServices.h"

#include <ctime>
#include <utility>

// The graphics layer (renderer and resource manager) is built beside this file; the
// game cannot run without it.
#include "app/DeviceAssetLoader.h"
#include "assets/ResourceManager.h"
#include "assets/TextureRecord.h"
#include "render/Renderer.h"

Game* gGame = nullptr;

Game::Game()
{
    seedGameRandom(static_cast<std::uint32_t>(std::time(nullptr)));
    renderer = new Renderer();
    context.soundSystem = new SoundSystem();
    context.inputSystem = new InputSystem();
    opponents = createOpponents();
    context.profileStore = &profileStore;
    context.settings = &settings;
    context.opponents = &opponents;
    context.actions = this;
}

namespace {

// Deletes what the game owns through a shared pointer field and leaves the field empty, so
// nothing that outlives this step reaches a deleted object.
template <typename T>
void release(T*& owned)
{
    delete owned;
    owned = nullptr;
}

}  // namespace

Game::~Game()
{
    timeEndPeriod(1);
    // The widgets must not reach the style and the sound player once they are gone.
    if (widgetServicesInstalled_) {
        setWidgetStyle(nullptr);
        setWidgetSoundPlayer(nullptr);
    }
    // The renderer first: it holds the current screen and the device the textures live on.
    delete renderer;
    renderer = nullptr;
    music.stop();

    ScreenTable& t = context.screens;
    PBScreen** screens[] = {&t.profilesScreen, &t.newProfileScreen, &t.matchScreen, &t.playerScreen,
                            &t.settingsScreen, &t.bestAchievementsScreen, &t.creatorsScreen,
                            &t.helpScreen, &t.winnerScreen, &t.deleteProfileScreen, &t.twoPlayerScreen,
                            &t.loadingScreen};
    for (PBScreen** screen : screens)
        release(*screen);
    release(context.fontSmall);
    release(context.fontBig);
    release(context.guiStyle);
    // Before the sound system: it stops its rolling loop on the way out.
    release(context.matchSoundPlayer);
    release(context.resourceManager);
    release(context.inputSystem);
    release(context.soundSystem);
}

bool Game::init(GameWindow* gameWindow)
{
    window = gameWindow;
    if (!renderer->initDevice(gameWindow))
        return false;
    if (!context.soundSystem->init()) {
        // No sound device (its error line is written): the game plays without sound, and
        // the main menu says so once. Every sound player takes a missing sound system.
        release(context.soundSystem);
        soundMissing_ = true;
    }
    context.resourceManager = new ResourceManager(resourceDirectory, std::make_unique<DeviceAssetLoader>(renderer->device, context.soundSystem));
    renderer->resources = context.resourceManager;
    if (!renderer->initScene(gameWindow))
        return false;

    // A save that could not be read is the store's to hold on to: the main menu says why
    // and nothing is saved over it, so its result needs nothing more here.
    profileStore.load(renderer->shadowCapable);
    context.matchSoundPlayer = new MatchSoundPlayer(context.soundSystem, context.resourceManager);
    context.guiStyle = new GUIStyle(renderer);
    installWidgetServices();
    context.fontSmall = new PBFontSmall(context.resourceManager->getTexture(FontTables::SmallTextureName));
    context.fontBig = new PBFontBig(context.resourceManager->getTexture(FontTables::BigTextureName));
    // Without the GUI atlas, the two font pictures and the pointer no menu can be drawn or
    // used: a black screen for ever. Each failed load has written its line naming the file.
    const TextureRecord* menuPictures[] = {context.guiStyle->texture, context.fontSmall->texture,
                                           context.fontBig->texture, renderer->pointerTexture};
    for (const TextureRecord* picture : menuPictures)
        if (!picture || !picture->texture)
            return false;

    auto* devices = new SdlInputDevices(gameWindow);
    if (!context.inputSystem->init(devices))
        return false;
    // Pads are welcome, never needed: without them the game plays with mouse and keys.
    devices->startPads(resourceDirectory + "gamecontrollerdb.txt");
    context.inputSystem->poll();

    MatchScreen* match = new MatchScreen(&context, renderer);
    context.screens.matchScreen = match;  // owned by the Game even when its loading fails
    if (!match->load())
        return false;

    PBScreen* loading = new InitScreen(&context, renderer);
    context.screens.loadingScreen = loading;
    if (KRScreen* current = currentScreen(*renderer))
        current->onLeave();
    renderer->screen = loading;
    loading->onEnter();
    return true;
}

void Game::installWidgetServices()
{
    setWidgetStyle(context.guiStyle);
    setWidgetSoundPlayer(&widgetSounds_);
    widgetServicesInstalled_ = true;
}

void Game::createMenus()
{
    // The loading picture stays whole while this runs: a window uncovered or resized
    // meanwhile asks to be painted again, and gets it between the steps.
    auto repaintIfAsked = [this] {
        if (window && renderer && window->takeRepaintRequests())
            renderer->renderFrame();
    };
    // A track that does not load writes its error line and sits out; the others play.
    std::vector<const SoundHandle*> tracks;
    if (context.resourceManager)
        for (const char* name : kMusicTracks) {
            tracks.push_back(context.resourceManager->getMusic(name));
            repaintIfAsked();
        }
    music.start(context.soundSystem, tracks);
    applySoundSettings(profileStore.soundSettings());
    // The menu screens are built here, in this order: profiles, new profile, delete
    // profile, player, settings, best achievements, creators, help, winner.
    ScreenTable& t = context.screens;
    t.profilesScreen = new ProfilesScreen(&context, renderer);
    repaintIfAsked();
    t.newProfileScreen = new NewProfileScreen(&context, renderer);
    repaintIfAsked();
    t.deleteProfileScreen = new DeleteProfileScreen(&context, renderer);
    repaintIfAsked();
    t.playerScreen = new PlayerScreen(&context, renderer);
    repaintIfAsked();
    t.settingsScreen = new SettingsScreen(&context, renderer);
    repaintIfAsked();
    t.bestAchievementsScreen = new BestAchievementsScreen(&context, renderer);
    repaintIfAsked();
    t.creatorsScreen = new CreatorsScreen(&context, renderer);
    repaintIfAsked();
    t.helpScreen = new HelpScreen(&context, renderer);
    repaintIfAsked();
    t.winnerScreen = new WinnerScreen(&context, renderer);
    t.twoPlayerScreen = new TwoPlayerScreen(&context, renderer);
    repaintIfAsked();
    // Set on the loading screen, the notice goes with it to the main menu.
    if (soundMissing_ && t.loadingScreen)
        t.loadingScreen->notice = kNoSoundNotice;
}

int Game::frameRateLimit() const
{
    const KRScreen* current = renderer ? currentScreen(*renderer) : nullptr;
    const int wanted = current ? current->framesPerSecondWanted() : KRScreen::kMenuFramesPerSecond;
    const bool watched = window && window->hasInputFocus();
    if (watched)
        return wanted;
    return wanted == 0 || wanted > KRScreen::kMenuFramesPerSecond ? KRScreen::kMenuFramesPerSecond : wanted;
}

void Game::applySoundSettings(const SoundSettings& s)
{
    SoundSystem* soundSystem = context.soundSystem;
    if (!soundSystem)
        return;
    soundSystem->setMasterVolume((s.sound ? 1.0f : 0.0f) * static_cast<float>(s.soundVolume) / 15.0f);
    musicGain_ = (s.music ? 1.0f : 0.0f) * static_cast<float>(s.musicVolume) / 15.0f * 0.6f;
    setMusicGain();
}

void Game::setMusicGain()
{
    music.setGain(musicGain_ * musicLevel_);
}

void Game::fadeMusic(bool quiet, float dt)
{
    const float level = fadeMusicLevel(musicLevel_, quiet ? kQuietMusicLevel : 1.0f, dt);
    if (level == musicLevel_)
        return;
    musicLevel_ = level;
    setMusicGain();
}

void Game::turnMusicWithMatches(const KRScreen* current)
{
    const bool underway = current && current->matchUnderway();
    if (underway == matchUnderway_)
        return;
    matchUnderway_ = underway;
    music.next();
}

void Game::runFrame()
{
    const float dt = advanceFrameClock(lastFrameTime, timeGetTime());
    KRScreen* current = currentScreen(*renderer);
    movePointer(current);
    renderer->mouseX = mouseX;
    renderer->mouseY = mouseY;
    const bool focused = !window || window->hasInputFocus();
    if (focused != hadFocus_) {
        hadFocus_ = focused;
        if (current)
            focused ? current->onFocusGained() : current->onFocusLost();
    }
    if (current)
        current->update(dt);
    fadeMusic(!focused || (current && current->playPaused()), dt);
    turnMusicWithMatches(current);
    music.update(dt);
    applyVideoSettings();
    renderer->renderFrame();
    keepSettings(dt);
}

void Game::movePointer(const KRScreen* current)
{
    // In full screen the game's window is all there is: the pointer stays held, as always.
    const bool free = window && !window->isFullscreen() && !(current && current->holdsPointer());
    context.inputSystem->setPointerFree(free);
    context.inputSystem->poll();
    const MouseState& mouse = context.inputSystem->mouseState;
    if (!mouse.free) {
        moveCursor(mouseX, mouseY, context.inputSystem->mouseMoveX, context.inputSystem->mouseMoveY);
        return;
    }
    // The screen where the renderer shows it in the window: scaled with the designed
    // picture, or in the middle of the wide one.
    const int w = window->width(), h = window->height();
    const PictureRect screen = renderer->device ? renderer->device->screenInWindow(w, h)
                                                : fitPicture(w, h, kScreenWidth, kScreenHeight);
    float x = 0.0f, y = 0.0f;
    if (mouse.overWindow &&
        pictureFromWindowRect(mouse.windowU, mouse.windowV, w, h, screen, kScreenWidth, kScreenHeight, x, y)) {
        mouseX = x;
        mouseY = y;
        moveCursor(mouseX, mouseY, 0.0f, 0.0f);  // onto the picture's last pixel
    }
}

void Game::applyVideoSettings()
{
    if (videoSettingsApplied_ && videoSettingsRevision_ == settings.revision())
        return;
    const VideoSettings video = readVideoSettings(settings);
    renderer->widePicture = video.widePicture;
    renderer->smoothEdges = video.smoothEdges;
    videoSettingsRevision_ = settings.revision();
    videoSettingsApplied_ = true;
}

void Game::keepPlacement()
{
    if (!window)
        return;
    const WindowPlacement now = window->placement();
    if (placementKept_ && now == keptPlacement_ && placementRevision_ == settings.revision())
        return;
    keepWindowPlacement(settings, now);
    keptPlacement_ = now;
    placementRevision_ = settings.revision();
    placementKept_ = true;
}

void Game::keepSettings(float dt)
{
    keepPlacement();
    if (!settings.hasUnsavedChanges()) {
        settingsUnsavedFor_ = 0.0f;
        return;
    }
    settingsUnsavedFor_ += dt;
    if (settingsUnsavedFor_ >= 0.5f)
        saveSettings();
}

void Game::saveSettings()
{
    keepPlacement();
    settings.save();
    settingsUnsavedFor_ = 0.0f;
}

void Game::keepEditsOfEnding()
{
    if (KRScreen* current = renderer ? currentScreen(*renderer) : nullptr)
        current->onGameEnding();
}

bool Game::saveBeforeLeaving()
{
    keepEditsOfEnding();
    saveSettings();
    // A save failing for the first time keeps the game open, so that the player reads why
    // on the screen; asked again, it tries once more and leaves whatever happens.
    if (profileStore.save())
        return true;
    // While the save file could not be read nothing is written: the first request to leave
    // stays to say so, the next one leaves with the file as it was.
    if (profileStore.savingHeldBack())
        return std::exchange(toldNothingSavedAtLeaving_, true);
    return !profileStore.hasSaveFailureToShow();
}

void Game::quit()
{
    if (saveBeforeLeaving() && window)
        window->requestQuit();
}
