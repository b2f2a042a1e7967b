#pragma once
// A Game without devices for the screen tests: the renderer draws into a recorder, the
// fonts and the GUI style have empty textures (the glyph tables still give real widths),
// and the error file and the save file go to a fresh temporary folder that is removed
// afterwards. Screens are entered and clicked as the running game would do it.
#include "app/Game.h"
#include "core/ErrorLog.h"
#include "render/Renderer.h"
#include "render/fonts/PBFontBig.h"
#include "render/fonts/PBFontSmall.h"
#include "support/RecordingSpriteSink.h"
#include "ui/GUIStyle.h"
#include "screens/PBScreen.h"
#include "ui/widgets/PBButton.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

struct DevicelessGameFixture : ::testing::Test {
    Game game;
    RecordingSpriteSink sink;
    TextureRecord atlas, smallGlyphs, bigGlyphs;
    std::filesystem::path folder;

    void SetUp() override {
        char pattern[] = "/tmp/pitchbar_screens_XXXXXX";
        const char* made = mkdtemp(pattern);
        ASSERT_NE(made, nullptr);
        folder = made;
        setErrorLogPath((folder / "error.txt").string());
        game.profileStore.filePath = savePath();
        game.settings.filePath = (folder / "settings.txt").string();
        game.renderer->spriteSink = &sink;
        game.context.guiStyle = new GUIStyle(game.renderer);
        game.context.guiStyle->texture = &atlas;
        game.installWidgetServices();
        game.context.fontSmall = new PBFontSmall(&smallGlyphs);
        game.context.fontBig = new PBFontBig(&bigGlyphs);
    }
    void TearDown() override {
        game.renderer->screen = nullptr;
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    std::string savePath() const { return (folder / "gamestate.dat").string(); }
    bool saved() const { return std::filesystem::exists(savePath()); }
    bool errorFileExists() const { return std::filesystem::exists(folder / "error.txt"); }

    // A plain framed screen standing in for one the test does not look at.
    PBScreen* standIn() {
        PBScreen* s = new PBScreen(&game.context, game.renderer);
        s->framed = true;
        return s;
    }

    // Makes the screen current and entered, as a finished fade would.
    void enter(PBScreen* screen) {
        screen->transition = PBScreen::Shown;
        screen->transitionTime = 0.0f;
        game.renderer->screen = screen;
        screen->onEnter();
    }
    // Runs a fade the screen may have started; the screen current afterwards.
    PBScreen* afterFade(PBScreen* screen) {
        screen->update(0.5f);
        screen->update(0.5f);
        return current();
    }
    PBScreen* current() const { return static_cast<PBScreen*>(game.renderer->screen); }

    static PBButton* button(PBScreen* screen, const std::string& id) {
        for (GUIComponent* c : screen->components)
            if (PBButton* b = dynamic_cast<PBButton*>(c); b && b->id == id) return b;
        return nullptr;
    }
    // A completed click on the button with that id, as the screen routes it (a disabled
    // button ignores it); false without such a button.
    static bool click(PBScreen* screen, const std::string& id) {
        PBButton* b = button(screen, id);
        if (!b) return false;
        b->onClick(1, 1);
        return true;
    }
};
