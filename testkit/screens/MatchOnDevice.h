#pragma once
// A game with a real window and device around the match screen, set up in the order of the
// game's start-up: device, sound (when the machine has any), resources, scene, profiles,
// style, fonts, the match screen's loading. The GL test and the frame benchmark share it;
// both need a DISPLAY (Xvfb with Mesa's software renderer in CI).
#include "app/Game.h"
#include "app/DeviceAssetLoader.h"
#include "assets/ResourceManager.h"
#include "core/ErrorLog.h"
#include "audio/SoundSystem.h"
#include "input/InputSystem.h"
#include "platform/gfx/GraphicsDevice.h"
#include "platform/system/MemoryMode.h"
#include "platform/window/GameWindow.h"
#include "render/Renderer.h"
#include "render/fonts/GlyphTables.h"
#include "render/fonts/PBFontBig.h"
#include "render/fonts/PBFontSmall.h"
#include "screens/MatchScreen.h"
#include "ui/GUIStyle.h"

#include <cstdlib>
#include <string>

struct MatchOnDevice {
    GameWindow window;
    Game game;
    MatchScreen* match = nullptr;

    // false when there is no display or the device cannot be made.
    bool start(const std::string& errorFile, const std::string& saveFile) {
        const char* resources = std::getenv("PITCHBAR_RESOURCES");
        const std::string base = std::string(resources ? resources : "resources") + "/";
        setErrorLogPath(errorFile);
        game.profileStore.filePath = saveFile;
        Renderer* renderer = game.renderer;
        returnLargeBlocksAtOnce();  // as the game does before its window, until start-up is over
        if (!window.create() || !renderer->initDevice(&window))
            return false;
        SoundSystem* sounds = game.context.soundSystem->init() ? game.context.soundSystem : nullptr;
        game.context.resourceManager = new ResourceManager(base, std::make_unique<DeviceAssetLoader>(renderer->device, sounds));
        renderer->resources = game.context.resourceManager;
        if (!renderer->initScene(&window))
            return false;
        game.context.guiStyle = new GUIStyle(renderer);
        game.installWidgetServices();
        game.context.fontSmall = new PBFontSmall(game.context.resourceManager->getTexture(FontTables::SmallTextureName));
        game.context.fontBig = new PBFontBig(game.context.resourceManager->getTexture(FontTables::BigTextureName));
        match = new MatchScreen(&game.context, renderer);
        game.context.screens.matchScreen = match;
        if (!match->load())
            return false;
        game.context.screens.playerScreen = new PBScreen(&game.context, renderer);
        Profile* profile = game.profileStore.addProfile("ANN");
        game.profileStore.selectProfile(profile);
        keepLargeBlocksBetweenFrames();  // as the game does once start-up is over
        return true;
    }

    // A match against `opponent` entered as a finished fade enters it (a running match is
    // left first).
    void enter(int opponent) {
        if (game.renderer->screen == match)
            match->onLeave();
        game.profileStore.currentOpponent = opponent;
        game.renderer->screen = match;
        match->transition = PBScreen::Shown;
        match->transitionTime = 0.0f;
        match->onEnter();
    }

    // One frame of the game's loop without the clock and the devices' input: the screen's
    // update, then the renderer's frame.
    void frame(float dt) {
        match->update(dt);
        game.renderer->renderFrame();
    }

    ~MatchOnDevice() {
        if (game.renderer->screen == match)
            match->onLeave();
        game.renderer->screen = nullptr;
    }
};
