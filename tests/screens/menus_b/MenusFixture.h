#pragma once
// A game without devices for the menu screens: the renderer draws into a recorder, the
// fonts and the GUI style have empty textures (the glyph tables still give real widths),
// errors and the save file go to a fresh temporary folder, and plain framed screens stand
// in for the main menu and the player menu that the screens lead to.
#include "support/DevicelessGameFixture.h"

struct MenusFixture : DevicelessGameFixture {
    void SetUp() override {
        DevicelessGameFixture::SetUp();
        game.context.screens.profilesScreen = standIn();
        game.context.screens.playerScreen = standIn();
    }

    // The glyphs of the small font drawn since the last clear, in drawing order.
    std::vector<SpriteDraw> smallText() const {
        std::vector<SpriteDraw> out;
        for (const SpriteDraw& d : sink.draws)
            if (d.texture == &smallGlyphs) out.push_back(d);
        return out;
    }
};
