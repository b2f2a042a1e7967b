#pragma once
// A game without devices holding the real main menu, new-profile, delete, player and winner
// screens: the renderer draws into a recorder, the fonts and the GUI style have empty
// textures (the glyph tables still give real widths), and errors and the save file go to a
// fresh temporary folder. Plain framed screens stand in for the match and the settings,
// best-results and credits screens; the help screen is the real one.
#include "screens/DeleteProfileScreen.h"
#include "screens/HelpScreen.h"
#include "screens/NewProfileScreen.h"
#include "screens/PlayerScreen.h"
#include "screens/ProfilesScreen.h"
#include "screens/WinnerScreen.h"
#include "support/DevicelessGameFixture.h"
#include "ui/widgets/PBList.h"

struct MenusAFixture : DevicelessGameFixture {
    ProfilesScreen* menu = nullptr;
    NewProfileScreen* create = nullptr;
    DeleteProfileScreen* remove = nullptr;
    PlayerScreen* player = nullptr;
    WinnerScreen* winner = nullptr;
    HelpScreen* help = nullptr;

    void SetUp() override {
        DevicelessGameFixture::SetUp();
        game.context.screens.profilesScreen = menu = new ProfilesScreen(&game.context, game.renderer);
        game.context.screens.newProfileScreen = create = new NewProfileScreen(&game.context, game.renderer);
        game.context.screens.deleteProfileScreen = remove = new DeleteProfileScreen(&game.context, game.renderer);
        game.context.screens.playerScreen = player = new PlayerScreen(&game.context, game.renderer);
        game.context.screens.settingsScreen = standIn();
        game.context.screens.bestAchievementsScreen = standIn();
        game.context.screens.creatorsScreen = standIn();
        game.context.screens.helpScreen = help = new HelpScreen(&game.context, game.renderer);
        game.context.screens.winnerScreen = winner = new WinnerScreen(&game.context, game.renderer);
        game.context.screens.matchScreen = standIn();
    }

    // A press on row r of a list (rows below the last item select nothing).
    static void pressRow(PBList* list, int row) { list->onMouseDown(10, 32 + PBList::RowHeight * row); }

    Profile* addProfile(const std::string& name) { return game.profileStore.addProfile(name); }
    // YES on the delete screen for that name; the screen current afterwards.
    PBScreen* deleteThrough(const std::string& name) {
        remove->profileName = name;
        enter(remove);
        click(remove, "yes");
        return afterFade(remove);
    }
    std::vector<std::string> listed(const PBList* list) const {
        std::vector<std::string> names;
        for (const PBListItem& item : list->items) names.push_back(item.text);
        return names;
    }
    // The small-font glyphs of the last drawing, as (x, y, source x) triples, for comparing
    // what a screen drew with what a text would look like.
    std::vector<std::vector<float>> glyphsIn(float top, float bottom, float left = 0, float right = 1024) const {
        std::vector<std::vector<float>> out;
        for (const SpriteDraw& d : sink.draws)
            if (d.texture == &smallGlyphs && d.dstY >= top && d.dstY < bottom && d.dstX >= left && d.dstX < right)
                out.push_back({d.dstX, d.dstY, static_cast<float>(d.srcX)});
        return out;
    }
    std::vector<std::vector<float>> glyphsOf(const std::string& text, int x, int y) {
        RecordingSpriteSink own;
        game.renderer->spriteSink = &own;
        game.renderer->drawText(game.context.fontSmall, text, x, y, 0xFFFFFFFFu);
        game.renderer->spriteSink = &sink;
        std::vector<std::vector<float>> out;
        for (const SpriteDraw& d : own.draws) out.push_back({d.dstX, d.dstY, static_cast<float>(d.srcX)});
        return out;
    }
};
