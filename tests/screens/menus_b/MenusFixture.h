#pragma once
// A game without devices for the menu screens: the renderer draws into a recorder, the
// fonts and the GUI style have empty textures (the glyph tables still give real widths),
// errors and the save file go to a fresh temporary folder, and plain framed screens stand
// in for the main menu and the player menu that the screens lead to.
#include "app/Game.h"
#include "app/log/ErrorLog.h"
#include "render/Renderer.h"
#include "render/fonts/PBFontBig.h"
#include "render/fonts/PBFontSmall.h"
#include "support/RecordingSpriteSink.h"
#include "ui/GUIStyle.h"
#include "ui/PBScreen.h"
#include "ui/widgets/PBButton.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

struct MenusFixture : ::testing::Test {
    Game game;
    RecordingSpriteSink sink;
    TextureRecord atlas, smallGlyphs, bigGlyphs;
    std::filesystem::path folder;

    void SetUp() override {
        char pattern[] = "/tmp/pitchbar_menus_XXXXXX";
        const char* made = mkdtemp(pattern);
        ASSERT_NE(made, nullptr);
        folder = made;
        setErrorLogPath((folder / "error.txt").string());
        game.profileStore.filePath = (folder / "gamestate.dat").string();
        gGame = &game;
        game.renderer->spriteSink = &sink;
        game.guiStyle = new GUIStyle(game.renderer);
        game.guiStyle->texture = &atlas;
        game.fontSmall = new PBFontSmall(&smallGlyphs);
        game.fontBig = new PBFontBig(&bigGlyphs);
        game.profilesScreen = standIn();
        game.playerScreen = standIn();
    }
    void TearDown() override {
        game.renderer->screen = nullptr;
        gGame = nullptr;
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    PBScreen* standIn() {
        PBScreen* s = new PBScreen(&game, game.renderer);
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
    // Runs the fade a switch started until the target is current.
    PBScreen* afterFade(PBScreen* screen) {
        screen->update(0.5f);
        screen->update(0.5f);
        return static_cast<PBScreen*>(game.renderer->screen);
    }

    // A completed click on the screen's button with that id; false without such a button.
    static bool click(PBScreen* screen, const std::string& id) {
        PBButton* b = button(screen, id);
        if (!b) return false;
        b->onClick(1, 1);
        return true;
    }
    static PBButton* button(PBScreen* screen, const std::string& id) {
        for (GUIComponent* c : screen->components)
            if (PBButton* b = dynamic_cast<PBButton*>(c); b && b->id == id) return b;
        return nullptr;
    }

    // The glyphs of the small font drawn since the last clear, in drawing order.
    std::vector<SpriteDraw> smallText() const {
        std::vector<SpriteDraw> out;
        for (const SpriteDraw& d : sink.draws)
            if (d.texture == &smallGlyphs) out.push_back(d);
        return out;
    }
    bool errorFileExists() const { return std::filesystem::exists(folder / "error.txt"); }
};
