#include "app/Game.h"

#include "app/FrameStep.h"
#include "core/ErrorLog.h"
#include "audio/MatchSoundPlayer.h"
#include "control/Opponent.h"
#include "audio/SoundSystem.h"
#include "input/InputSystem.h"
#include "platform/input/SdlInputDevices.h"
#include "core/GameRandom.h"
#include "platform/time/GameClock.h"
#include "platform/window/GameWindow.h"
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
#include "screens/WinnerScreen.h"
#include "ui/GUIStyle.h"
#include "screens/PBScreen.h"

#include <ctime>

// The graphics layer (renderer and resource manager) is built beside this file; the
// game cannot run without it.
#include "app/DeviceAssetLoader.h"
#include "assets/ResourceManager.h"
#include "render/Renderer.h"

Game* gGame = nullptr;

Game::Game()
{
    seedGameRandom(static_cast<std::uint32_t>(std::time(nullptr)));
    renderer = new Renderer();
    soundSystem = new SoundSystem();
    inputSystem = new InputSystem();
    opponents = createOpponents();
}

Game::~Game()
{
    timeEndPeriod(1);
    // The renderer first: it holds the current screen and the device the textures live on.
    delete renderer;
    renderer = nullptr;
    if (musicSource && soundSystem)
        soundSystem->stopVoice(musicSource);
    musicSource = nullptr;

    PBScreen** screens[] = {&profilesScreen, &newProfileScreen, &matchScreen, &playerScreen,
                            &settingsScreen, &bestAchievementsScreen, &creatorsScreen,
                            &helpScreen, &winnerScreen, &deleteProfileScreen, &loadingScreen};
    for (PBScreen** screen : screens) {
        delete *screen;
        *screen = nullptr;
    }
    delete fontSmall;
    fontSmall = nullptr;
    delete fontBig;
    fontBig = nullptr;
    delete guiStyle;
    guiStyle = nullptr;
    // Before the sound system: it stops its rolling loop on the way out.
    delete matchSoundPlayer;
    matchSoundPlayer = nullptr;
    delete resourceManager;
    resourceManager = nullptr;
    delete inputSystem;
    inputSystem = nullptr;
    delete soundSystem;
    soundSystem = nullptr;
}

bool Game::init(GameWindow* gameWindow)
{
    window = gameWindow;
    if (!renderer->initDevice(gameWindow))
        return false;
    if (!soundSystem->init())
        return false;
    resourceManager = new ResourceManager(resourceDirectory, std::make_unique<DeviceAssetLoader>(renderer->device, soundSystem));
    renderer->resources = resourceManager;
    if (!renderer->initScene(gameWindow))
        return false;

    profileStore.load(renderer->shadowCapable);
    matchSoundPlayer = new MatchSoundPlayer(soundSystem, resourceManager);
    guiStyle = new GUIStyle(renderer);
    fontSmall = new PBFontSmall(resourceManager->getTexture(FontTables::SmallTextureName));
    fontBig = new PBFontBig(resourceManager->getTexture(FontTables::BigTextureName));

    if (!inputSystem->init(new SdlInputDevices(gameWindow)))
        return false;
    inputSystem->poll();

    MatchScreen* match = new MatchScreen(this, renderer);
    matchScreen = match;  // owned by the Game even when its loading fails
    if (!match->load())
        return false;

    loadingScreen = new InitScreen(this, renderer);
    if (KRScreen* current = currentScreen(*renderer))
        current->onLeave();
    renderer->screen = loadingScreen;
    loadingScreen->onEnter();
    return true;
}

void Game::createMenus()
{
    if (resourceManager)
        musicBuffer = resourceManager->getMusic("precalc.dat");
    if (soundSystem) {
        musicSource = soundSystem->allocateVoice(Vector3(0.0f, 0.0f, 0.0f));
        if (musicSource && !soundSystem->play(musicSource, musicBuffer, 0.6f, true, false))
            musicSource = nullptr;  // play released the voice
    }
    applySoundSettings(profileStore.soundSettings());
    // The menu screens are built here, in this order: profiles, new profile, delete
    // profile, player, settings, best achievements, creators, help, winner.
    profilesScreen = new ProfilesScreen(this, renderer);
    newProfileScreen = new NewProfileScreen(this, renderer);
    deleteProfileScreen = new DeleteProfileScreen(this, renderer);
    playerScreen = new PlayerScreen(this, renderer);
    settingsScreen = new SettingsScreen(this, renderer);
    bestAchievementsScreen = new BestAchievementsScreen(this, renderer);
    creatorsScreen = new CreatorsScreen(this, renderer);
    helpScreen = new HelpScreen(this, renderer);
    winnerScreen = new WinnerScreen(this, renderer);
}

void Game::applySoundSettings(const SoundSettings& s)
{
    if (!soundSystem)
        return;
    soundSystem->setMasterVolume((s.sound ? 1.0f : 0.0f) * static_cast<float>(s.soundVolume) / 15.0f);
    if (musicSource) {
        const float gain = (s.music ? 1.0f : 0.0f) * static_cast<float>(s.musicVolume) / 15.0f * 0.6f;
        soundSystem->setVoiceUnscaled(musicSource, Vector3(0.0f, 0.0f, 0.0f), gain);
    }
}

Opponent* Game::currentOpponentEntry()
{
    // -1 is free practice.
    const int index = profileStore.currentOpponent;
    if (index < 0 || index >= static_cast<int>(opponents.size()))
        return nullptr;
    return opponents[index].get();
}

TextureRecord* Game::opponentPicture(int index)
{
    if (index < 0 || index > 7 || !resourceManager)
        return nullptr;
    return resourceManager->getTexture("opponent" + std::to_string(index) + ".png");
}

void Game::runFrame()
{
    const float dt = advanceFrameClock(lastFrameTime, timeGetTime());
    inputSystem->poll();
    moveCursor(mouseX, mouseY, inputSystem->mouseMoveX, inputSystem->mouseMoveY);
    renderer->mouseX = mouseX;
    renderer->mouseY = mouseY;
    if (KRScreen* current = currentScreen(*renderer))
        current->update(dt);
    renderer->renderFrame();
}

bool Game::saveBeforeLeaving()
{
    // A save failing for the first time keeps the game open, so that the player reads why
    // on the screen; asked again, it tries once more and leaves whatever happens.
    return profileStore.save() || !profileStore.hasSaveFailureToShow();
}

void Game::quit()
{
    if (saveBeforeLeaving() && window)
        window->requestQuit();
}
