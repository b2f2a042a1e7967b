// The main menu, the profile screens, the player menu and the winner screen: what each
// shows and enables, where each command leads, and what reaches the save file.
#include "control/Opponent.h"
#include "input/InputSystem.h"
#include "input/KeyCodes.h"
#include "screens/MenuTexts.h"
#include "screens/menus/MenusAFixture.h"
#include "ui/widgets/GuiAtlas.h"
#include "ui/widgets/PBEditor.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace {

using MainMenu = MenusAFixture;

TEST_F(MainMenu, ButtonsFollowTheListAndItsSelection)
{
    EXPECT_EQ("MAIN MENU", menu->title);
    EXPECT_TRUE(menu->framed);
    enter(menu);
    // No profiles: an empty list, nothing to play or delete, room for a new one.
    EXPECT_TRUE(menu->profilesList->items.empty());
    EXPECT_FALSE(button(menu, "play")->enabled);
    EXPECT_FALSE(button(menu, "delete")->enabled);
    EXPECT_TRUE(button(menu, "new")->enabled);
    EXPECT_EQ("PLAY SELECTED PROFILE", button(menu, "play")->label);

    addProfile("ANNA");
    addProfile("BERT");
    enter(menu);
    EXPECT_EQ((std::vector<std::string>{"ANNA", "BERT"}), listed(menu->profilesList));
    pressRow(menu->profilesList, 1);
    EXPECT_TRUE(button(menu, "play")->enabled);
    EXPECT_TRUE(button(menu, "delete")->enabled);
    // A press below the last name clears the selection and both buttons again.
    pressRow(menu->profilesList, 5);
    EXPECT_EQ(-1, menu->profilesList->selected());
    EXPECT_FALSE(button(menu, "play")->enabled);
    EXPECT_FALSE(button(menu, "delete")->enabled);

    // Eleven profiles fill the list: no twelfth.
    for (int i = 2; i < 11; ++i) addProfile("P" + std::to_string(i));
    enter(menu);
    EXPECT_EQ(11u, menu->profilesList->items.size());
    EXPECT_FALSE(button(menu, "new")->enabled);
    menu->onCommand("new");  // even past the button
    EXPECT_EQ(menu, afterFade(menu));
}

TEST_F(MainMenu, SelectionSurvivesAVisitOnlyWhileItsProfileExists)
{
    addProfile("ANNA");
    addProfile("BERT");
    addProfile("CARL");
    enter(menu);
    pressRow(menu->profilesList, 1);
    enter(menu);
    EXPECT_EQ(1, menu->profilesList->selected());
    // BERT is gone: no row is selected rather than his neighbour CARL.
    game.profileStore.removeProfile(1);
    enter(menu);
    EXPECT_EQ(-1, menu->profilesList->selected());
    EXPECT_FALSE(button(menu, "delete")->enabled);
    // Back from playing with CARL (now the second row), his row is offered.
    game.profileStore.selectProfile(game.profileStore.profiles[1].get());
    enter(menu);
    EXPECT_EQ(1, menu->profilesList->selected());
    EXPECT_TRUE(button(menu, "play")->enabled);
}

TEST_F(MainMenu, CommandsLeadToTheirScreens)
{
    Profile* bert = addProfile("BERT");
    bert->music = false;
    bert->musicVolume = 3;
    enter(menu);
    pressRow(menu->profilesList, 0);
    ASSERT_TRUE(click(menu, "play"));
    EXPECT_EQ(player, afterFade(menu));
    EXPECT_EQ(bert, game.profileStore.currentProfile);
    EXPECT_FALSE(game.profileStore.music);  // the store's block follows the chosen profile
    EXPECT_EQ(3, game.profileStore.musicVolume);

    const std::pair<const char*, PBScreen*> routes[] = {
        {"new", create}, {"best", game.context.screens.bestAchievementsScreen}, {"creators", game.context.screens.creatorsScreen}, {"help", help}};
    for (const auto& [id, target] : routes) {
        enter(menu);
        ASSERT_TRUE(click(menu, id)) << id;
        EXPECT_EQ(target, afterFade(menu)) << id;
    }
    EXPECT_EQ(menu, help->returnScreen);

    enter(menu);
    pressRow(menu->profilesList, 0);
    click(menu, "delete");
    EXPECT_EQ(remove, afterFade(menu));
    EXPECT_EQ("BERT", remove->profileName);

    // Quitting saves.
    enter(menu);
    EXPECT_FALSE(saved());
    click(menu, "quit");
    EXPECT_TRUE(saved());
    EXPECT_FALSE(errorFileExists());
}

TEST_F(MainMenu, AScreenThatWasNeverBuiltIsReportedAndTheMenuStays)
{
    delete game.context.screens.creatorsScreen;
    game.context.screens.creatorsScreen = nullptr;
    enter(menu);
    click(menu, "creators");
    EXPECT_EQ(PBScreen::Shown, menu->transition);
    EXPECT_EQ(menu, afterFade(menu));
    EXPECT_TRUE(errorFileExists());
}

using NewProfile = MenusAFixture;

TEST_F(NewProfile, RefusedNamesShowWhyAndChangeNothing)
{
    EXPECT_EQ("NEW PROFILE", create->title);
    EXPECT_EQ(485, create->editor->x);
    EXPECT_EQ(300, create->editor->y);
    addProfile("ANNA");
    enter(create);
    EXPECT_EQ("", create->message);
    click(create, "play");
    EXPECT_EQ("Profile name cannot be empty.", create->message);
    EXPECT_EQ(create, afterFade(create));

    // Spaces alone are no name, and spaces around a taken name do not make it new.
    create->editor->text = "   ";
    click(create, "play");
    EXPECT_EQ("Profile name cannot be empty.", create->message);
    for (const char* taken : {"ANNA", "ANNA ", " ANNA"}) {
        create->message.clear();
        create->editor->text = taken;
        click(create, "play");
        EXPECT_EQ("A profile with this name already exists.", create->message) << taken;
        EXPECT_EQ(create, afterFade(create));
    }
    EXPECT_EQ(1u, game.profileStore.profiles.size());
    EXPECT_EQ(nullptr, game.profileStore.currentProfile);
    EXPECT_FALSE(saved());

    // Coming back starts afresh.
    enter(create);
    EXPECT_EQ("", create->editor->text);
    EXPECT_EQ("", create->message);
    click(create, "cancel");
    EXPECT_EQ(menu, afterFade(create));
}

TEST_F(NewProfile, ANewNameIsSavedSelectedAndPlayed)
{
    game.profileStore.music = false;
    game.profileStore.musicVolume = 4;
    enter(create);
    // Typing starts at once: the field has the focus on entry.
    InputSystem& in = *game.context.inputSystem;
    for (char typed : {'b', 'o', 'b'}) {
        in.typed = {static_cast<std::uint32_t>(typed)};
        create->update(0.01f);
        in.typed.clear();
        create->update(0.01f);
    }
    EXPECT_EQ("BOB", create->editor->text);
    click(create, "play");
    create->update(0.3f);
    click(create, "play");  // a double click, still on the way out
    EXPECT_EQ("", create->message);
    EXPECT_EQ(player, afterFade(create));

    ASSERT_EQ(1u, game.profileStore.profiles.size());
    EXPECT_EQ(player, create->next);
    Profile* bob = game.profileStore.profiles[0].get();
    EXPECT_EQ("BOB", bob->name);
    EXPECT_EQ(bob, game.profileStore.currentProfile);
    EXPECT_FALSE(bob->music);  // the sound settings last in use
    EXPECT_EQ(4, bob->musicVolume);

    ProfileStore reread;
    reread.filePath = savePath();
    ASSERT_TRUE(reread.load(true));
    ASSERT_EQ(1u, reread.profiles.size());
    EXPECT_EQ("BOB", reread.profiles[0]->name);
    EXPECT_FALSE(errorFileExists());
}

TEST_F(NewProfile, ASaveThatFailsIsToldOnceOverTheNextScreens)
{
    // The save file's folder is a plain file: nothing can be written there, even by root.
    const std::string blocker = (folder / "blocked").string();
    std::ofstream(blocker) << "x";
    game.profileStore.filePath = blocker + "/gamestate.dat";
    enter(create);
    create->editor->text = "ANNA";
    click(create, "play");
    EXPECT_EQ(player, afterFade(create));
    EXPECT_EQ("ANNA", game.profileStore.currentProfile->name);  // plays on this session
    EXPECT_EQ("THE GAME COULD NOT BE SAVED: [Not a directory]", player->notice);
    sink.draws.clear();
    player->draw(3);
    EXPECT_EQ(glyphsOf("THE GAME COULD NOT BE SAVED: Not a directory", 0, 376).size(),
              glyphsIn(370, 392).size());

    // It stays until the player presses the button once it has been up for a moment.
    std::uint8_t& left = game.context.inputSystem->mouseState.buttons[0];
    const auto press = [&] {
        left = Key::DownBit;
        player->update(0.01f);
        left = 0;
        player->update(0.01f);
    };
    press();  // one second after the save: too soon
    EXPECT_FALSE(player->notice.empty());
    player->update(60.0f);  // time alone does not take it away
    EXPECT_FALSE(player->notice.empty());
    press();
    sink.draws.clear();
    player->draw(3);
    EXPECT_TRUE(glyphsIn(0, 768).empty());
    // The next failing save does not bring it back.
    click(player, "quit");
    EXPECT_EQ(menu, afterFade(player));
    EXPECT_EQ(menu, deleteThrough("ANNA"));
    EXPECT_EQ("", menu->notice);

    // Once a save has worked, a new failure is told again: quitting shows it and stays.
    std::filesystem::remove(blocker);
    std::filesystem::create_directory(blocker);
    ASSERT_TRUE(game.profileStore.save());
    std::filesystem::remove_all(blocker);
    std::ofstream(blocker) << "x";
    click(menu, "quit");
    menu->update(0.01f);
    EXPECT_EQ("THE GAME COULD NOT BE SAVED: [Not a directory]", menu->notice);
}

TEST_F(NewProfile, ASaveFileThatCouldNotBeReadIsToldOnTheMainMenuAndAtEverySave)
{
    // A folder where the save should be: not even root reads it as a file.
    std::filesystem::create_directory(savePath());
    EXPECT_FALSE(game.profileStore.load(true));
    enter(menu);
    const std::string told = "THE PROFILES COULD NOT BE LOADED, SO NOTHING IS SAVED: [Is a directory]";
    EXPECT_EQ(told, menu->notice);
    menu->notice.clear();
    enter(menu);  // told once at the start
    EXPECT_EQ("", menu->notice);

    enter(create);
    create->editor->text = "ANNA";
    click(create, "play");
    EXPECT_EQ(player, afterFade(create));
    EXPECT_EQ(told, player->notice);

    // Leaving: the first request stays to say that nothing is saved, the next one leaves.
    player->notice.clear();
    EXPECT_FALSE(game.saveBeforeLeaving());
    player->update(0.01f);
    EXPECT_EQ(told, player->notice);
    EXPECT_TRUE(game.saveBeforeLeaving());
    EXPECT_TRUE(std::filesystem::is_empty(savePath()));
}

using DeleteProfile = MenusAFixture;

TEST_F(DeleteProfile, NoKeepsTheProfileAndYesRemovesAndSaves)
{
    addProfile("ANNA");
    Profile* bert = addProfile("BERT");
    game.profileStore.selectProfile(bert);
    ASSERT_TRUE(game.profileStore.save());
    const auto savedBytes = [&] {
        std::ifstream f(savePath(), std::ios::binary);
        return std::vector<char>(std::istreambuf_iterator<char>(f), {});
    };
    const std::vector<char> before = savedBytes();

    remove->profileName = "BERT";
    enter(remove);
    EXPECT_EQ("ARE YOU SURE YOU WANT TO DELETE THE PROFILE [BERT]?", remove->question());
    click(remove, "no");
    EXPECT_EQ(menu, afterFade(remove));
    EXPECT_EQ((std::vector<std::string>{"ANNA", "BERT"}), listed(menu->profilesList));
    EXPECT_EQ(before, savedBytes());

    remove->profileName = "BERT";
    enter(remove);
    click(remove, "yes");
    EXPECT_EQ(menu, afterFade(remove));
    EXPECT_EQ((std::vector<std::string>{"ANNA"}), listed(menu->profilesList));
    EXPECT_EQ(nullptr, game.profileStore.currentProfile);  // BERT was the current profile
    ProfileStore reread;
    reread.filePath = savePath();
    ASSERT_TRUE(reread.load(true));
    ASSERT_EQ(1u, reread.profiles.size());
    EXPECT_EQ("ANNA", reread.profiles[0]->name);

    // A name no profile has (any more) deletes nothing.
    const std::vector<char> after = savedBytes();
    remove->profileName = "BERT";
    enter(remove);
    click(remove, "yes");
    EXPECT_EQ(menu, afterFade(remove));
    EXPECT_EQ(1u, game.profileStore.profiles.size());
    EXPECT_EQ(after, savedBytes());
    EXPECT_FALSE(errorFileExists());
}

TEST_F(DeleteProfile, BracketsInANameDoNotBreakTheHighlight)
{
    remove->profileName = "A[B]C";
    EXPECT_EQ("ARE YOU SURE YOU WANT TO DELETE THE PROFILE [ABC]?", remove->question());
}

using PlayerMenu = MenusAFixture;

TEST_F(PlayerMenu, PlayButtonFollowsTheLockOfTheSelectedOpponent)
{
    EXPECT_EQ("PLAYER MENU", player->title);
    Profile* anna = addProfile("ANNA");
    game.profileStore.selectProfile(anna);
    enter(player);
    ASSERT_EQ(8u, player->opponentsList->items.size());
    EXPECT_EQ(game.opponents[7]->name, player->opponentsList->items[7].text);
    // A new profile starts on the first opponent, the only one open.
    EXPECT_EQ(0, player->selectedOpponent);
    PBButton* play = button(player, "play");
    EXPECT_EQ("PLAY!", play->label);
    EXPECT_TRUE(play->enabled);
    EXPECT_EQ((357 - game.renderer->textWidth(game.context.fontSmall, "PLAY!")) / 2, play->labelOffset);
    EXPECT_EQ(GuiAtlas::UnlockedMark.x, player->opponentsList->items[0].secondSprite.x);
    EXPECT_EQ(GuiAtlas::LockedMark.x, player->opponentsList->items[1].secondSprite.x);

    pressRow(player->opponentsList, 1);
    EXPECT_EQ(1, player->selectedOpponent);
    EXPECT_EQ("NOT AVAILABLE YET", play->label);
    EXPECT_FALSE(play->enabled);
    EXPECT_EQ((357 - game.renderer->textWidth(game.context.fontSmall, "NOT AVAILABLE YET")) / 2, play->labelOffset);
    click(player, "play");
    player->onCommand("play");  // even past the button
    EXPECT_EQ(player, afterFade(player));
    EXPECT_EQ(-1, game.profileStore.currentOpponent);

    // A press beside the rows keeps the opponent shown.
    pressRow(player->opponentsList, 9);
    EXPECT_EQ(1, player->selectedOpponent);
    EXPECT_EQ(1, player->opponentsList->selected());

    // Beating BOB opens ROBERT: his mark and the button change on the next visit.
    anna->bestLevel = 0;
    enter(player);
    EXPECT_EQ(1, player->selectedOpponent);
    EXPECT_EQ("PLAY!", play->label);
    EXPECT_TRUE(play->enabled);
    EXPECT_EQ(GuiAtlas::BeatenMark.x, player->opponentsList->items[0].secondSprite.x);
    EXPECT_EQ(GuiAtlas::UnlockedMark.x, player->opponentsList->items[1].secondSprite.x);
    click(player, "play");
    EXPECT_EQ(game.context.screens.matchScreen, afterFade(player));
    EXPECT_EQ(1, game.profileStore.currentOpponent);
}

TEST_F(PlayerMenu, AnotherProfileStartsOnItsNextOpponent)
{
    Profile* anna = addProfile("ANNA");
    Profile* bert = addProfile("BERT");
    anna->bestLevel = 4;
    game.profileStore.selectProfile(anna);
    enter(player);
    EXPECT_EQ(5, player->selectedOpponent);
    // BERT cannot play ANNA's opponent: he starts on his own.
    game.profileStore.selectProfile(bert);
    enter(player);
    EXPECT_EQ(0, player->selectedOpponent);
    EXPECT_TRUE(button(player, "play")->enabled);
    // Every opponent beaten: the last one stays selected.
    bert->bestLevel = 7;
    game.profileStore.selectProfile(nullptr);
    game.profileStore.selectProfile(bert);
    enter(player);
    EXPECT_EQ(0, player->selectedOpponent);  // the same profile as on the last visit: kept
    game.profileStore.selectProfile(anna);
    enter(player);
    game.profileStore.selectProfile(bert);
    enter(player);
    EXPECT_EQ(7, player->selectedOpponent);
    // Without a profile nothing can be played, but free practice can.
    game.profileStore.selectProfile(nullptr);
    enter(player);
    EXPECT_FALSE(button(player, "play")->enabled);
    click(player, "practice");
    EXPECT_EQ(game.context.screens.matchScreen, afterFade(player));
}

TEST_F(PlayerMenu, AProfileMadeAfterADeleteStartsOnItsOwnOpponent)
{
    // ANNA leaves the player menu on an opponent only she may play.
    Profile* anna = addProfile("ANNA");
    anna->bestLevel = 5;
    game.profileStore.selectProfile(anna);
    enter(player);
    pressRow(player->opponentsList, 6);
    ASSERT_EQ(6, player->selectedOpponent);
    ASSERT_TRUE(button(player, "play")->enabled);
    click(player, "quit");
    EXPECT_EQ(menu, afterFade(player));

    // She is deleted, and the profile made next very likely takes over her memory.
    EXPECT_EQ(menu, deleteThrough("ANNA"));
    enter(create);
    create->editor->text = "BOB";
    click(create, "play");
    EXPECT_EQ(player, afterFade(create));

    ASSERT_EQ(1u, game.profileStore.profiles.size());
    EXPECT_EQ("BOB", game.profileStore.currentProfile->name);
    EXPECT_EQ(0, player->selectedOpponent);
    EXPECT_EQ(0, player->opponentsList->selected());
    EXPECT_TRUE(button(player, "play")->enabled);
    EXPECT_EQ("PLAY!", button(player, "play")->label);
}

TEST_F(PlayerMenu, ShowsTheProfilesLevelAndBestResult)
{
    Profile* anna = addProfile("ANNA");
    anna->bestLevel = 2;
    anna->bestConceded = 4;
    game.profileStore.selectProfile(anna);
    enter(player);
    sink.clear();
    player->draw(2);
    const std::vector<std::string> names = player->opponentNames();
    ASSERT_FALSE(glyphsOf("ANNA", 370, 80).empty());
    EXPECT_EQ(glyphsOf("ANNA", 370, 80), glyphsIn(70, 100, 370, 700));
    EXPECT_EQ(glyphsOf(levelText(2, names), 370, 110), glyphsIn(100, 130, 370, 700));
    EXPECT_EQ(glyphsOf("5-4 against " + names[2], 370, 140), glyphsIn(130, 160, 370, 700));
    // The labels end at x = 330.
    const auto label = glyphsIn(100, 130, 0, 370);
    ASSERT_FALSE(label.empty());
    const int width = game.renderer->textWidth(game.context.fontSmall, "LEVEL:");
    EXPECT_EQ(glyphsOf("LEVEL:", 330 - width, 110), label);
    // The selected opponent (the next to beat) is named at (550, 200).
    EXPECT_EQ(glyphsOf(names[3], 550, 200), glyphsIn(190, 220, 550, 780));
}

TEST_F(PlayerMenu, PracticeHelpSettingsAndQuitLeadOn)
{
    game.profileStore.selectProfile(addProfile("ANNA"));
    game.profileStore.currentOpponent = 3;
    enter(player);
    click(player, "practice");
    EXPECT_EQ(game.context.screens.matchScreen, afterFade(player));
    EXPECT_EQ(-1, game.profileStore.currentOpponent);

    const std::pair<const char*, PBScreen*> routes[] = {
        {"help", help}, {"settings", game.context.screens.settingsScreen}, {"quit", menu}};
    for (const auto& [id, target] : routes) {
        enter(player);
        ASSERT_TRUE(click(player, id)) << id;
        EXPECT_EQ(target, afterFade(player)) << id;
    }
    EXPECT_EQ(player, help->returnScreen);
}

using Winner = MenusAFixture;

TEST_F(Winner, ContinueReturnsToThePlayerMenu)
{
    EXPECT_FALSE(winner->framed);
    PBButton* next = button(winner, "continue");
    ASSERT_NE(nullptr, next);
    EXPECT_EQ("CONTINUE", next->label);
    EXPECT_EQ(450, next->x);
    EXPECT_EQ(720, next->y);
    enter(winner);
    click(winner, "continue");
    EXPECT_EQ(player, afterFade(winner));
}

}  // namespace

TEST_F(MainMenu, ANameFromTheSaveFileEndsAtItsBoxOnEveryMenu)
{
    // A save file may hold any name; the new-profile editor could never type this one.
    const std::string longName(300, 'W');
    game.profileStore.selectProfile(addProfile(longName));
    auto rightmost = [&](float top, float bottom, float left) {
        float right = 0;
        for (const SpriteDraw& d : sink.draws)
            if (d.texture == &smallGlyphs && d.dstY >= top && d.dstY < bottom && d.dstX >= left)
                right = std::max(right, d.dstX + d.dstW);
        return right;
    };

    enter(menu);
    sink.clear();
    menu->draw(2);
    const PBList* list = menu->profilesList;
    const float rowTop = static_cast<float>(list->y + PBList::FirstRowTop);
    EXPECT_GT(rightmost(rowTop, rowTop + PBList::RowHeight, list->x), list->x + 150);
    EXPECT_LE(rightmost(rowTop, rowTop + PBList::RowHeight, list->x), list->x + list->width - 4);

    enter(player);
    sink.clear();
    player->draw(2);
    EXPECT_GT(rightmost(70, 100, 370), 600);
    EXPECT_LE(rightmost(70, 100, 370), 670);

    remove->profileName = longName;
    enter(remove);
    sink.clear();
    remove->draw(2);
    float left = 1024;
    for (const SpriteDraw& d : sink.draws)
        if (d.texture == &smallGlyphs && d.dstY >= 340 && d.dstY < 370) left = std::min(left, d.dstX);
    EXPECT_GE(left, 50);
    EXPECT_LE(rightmost(340, 370, 0), 1024 - 50);
    // The question still ends as it should, after the cut name.
    EXPECT_EQ("ARE YOU SURE YOU WANT TO DELETE THE PROFILE [" + longName + "]?", remove->question());
}

namespace {

using EveryMenu = DevicelessGameFixture;

TEST_F(EveryMenu, ButtonLabelsKeepSixClearPixelsInsideTheirRims)
{
    // The brass rim takes the first two pixels of either end of a button; a label closer
    // than six pixels to it looks as if it touched the frame ("QUIT TO MAIN MENU" did).
    game.createMenus();
    const ScreenTable& t = game.context.screens;
    int buttons = 0;
    for (PBScreen* screen : {t.profilesScreen, t.newProfileScreen, t.deleteProfileScreen, t.playerScreen,
                             t.settingsScreen, t.bestAchievementsScreen, t.creatorsScreen, t.helpScreen,
                             t.winnerScreen}) {
        ASSERT_NE(screen, nullptr);
        for (GUIComponent* c : screen->components) {
            auto* b = dynamic_cast<PBButton*>(c);
            if (!b)
                continue;
            ++buttons;
            sink.clear();
            b->draw();
            int glyphs = 0;
            for (const SpriteDraw& d : sink.draws) {
                if (d.texture != &smallGlyphs)
                    continue;
                ++glyphs;
                EXPECT_GE(d.dstX, b->x + 2 + 6) << b->label;
                EXPECT_LE(d.dstX + d.dstW, b->x + b->width - 2 - 6) << b->label;
            }
            EXPECT_GT(glyphs, 0) << b->label;
        }
    }
    EXPECT_GE(buttons, 20);
}

} // namespace
