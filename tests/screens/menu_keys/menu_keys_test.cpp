// The menu keys on the real screens: where the focus starts, where each direction takes it,
// what press and back do, the pointer taking over, the letter grid of the new-profile
// screen, and a pad answering the match's quit question.
#include "screens/SettingsScreen.h"
#include "screens/match/MatchFixture.h"
#include "screens/menus/MenusAFixture.h"
#include "ui/widgets/PBEditor.h"
#include "ui/widgets/PBLetterGrid.h"
#include "ui/widgets/PBSelector.h"

namespace {

struct MenuKeys : MenusAFixture {
    SettingsScreen* settings = nullptr;

    void SetUp() override {
        MenusAFixture::SetUp();
        delete game.context.screens.settingsScreen;
        game.context.screens.settingsScreen = settings = new SettingsScreen(&game.context, game.renderer);
    }
    // One frame in which these menu keys came, from the keyboard or a pad.
    void keys(PBScreen* screen, std::initializer_list<MenuKey> pressed, bool pad = false) {
        InputSystem& in = *game.context.inputSystem;
        in.menuKeys.clear();
        for (MenuKey k : pressed) in.menuKeys.push_back(MenuKeyPress{k, pad});
        screen->update(0.01f);
        in.menuKeys.clear();
    }
    void pad(PBScreen* screen, std::initializer_list<MenuKey> pressed) { keys(screen, pressed, true); }
    GUIComponent* focus(PBScreen* screen) const { return screen->menuFocusShown ? screen->menuFocus : nullptr; }
    // Each key in a frame of its own, and where the focus is after it.
    void walk(PBScreen* screen, std::initializer_list<std::pair<MenuKey, GUIComponent*>> steps) {
        int step = 0;
        for (const auto& [key, expected] : steps) {
            keys(screen, {key});
            EXPECT_EQ(focus(screen), expected) << "step " << step++;
        }
    }
    // Quads in the highlight colour drawn by the screen: the focus ring's.
    int ringQuads(PBScreen* screen) {
        sink.clear();
        screen->draw(2);
        int n = 0;
        for (const SpriteDraw& d : sink.draws)
            n += d.texture == &atlas && d.colour == game.context.guiStyle->colours[3] && d.dstH <= 2.0f;
        return n;
    }
};

TEST_F(MenuKeys, MainMenuWithoutProfilesSkipsWhatCannotBePressedAndBackGoesToQuit)
{
    enter(menu);
    EXPECT_EQ(ringQuads(menu), 0);
    // The first key only shows the focus: on NEW PROFILE, as the list is empty and PLAY
    // and DELETE need a profile.
    keys(menu, {MenuKey::Down});
    EXPECT_EQ(focus(menu), button(menu, "new"));
    EXPECT_GT(ringQuads(menu), 0);
    walk(menu, {{MenuKey::Down, button(menu, "best")}, {MenuKey::Back, button(menu, "quit")}});
    keys(menu, {MenuKey::Up, MenuKey::Up, MenuKey::Up, MenuKey::Press});
    EXPECT_EQ(afterFade(menu), game.context.screens.bestAchievementsScreen);
    // The next screen goes on with the focus shown.
    EXPECT_TRUE(current()->menuFocusShown);
}

TEST_F(MenuKeys, MainMenuRowsLeadToTheButtonsBesideAndBelowAndThePointerTakesOver)
{
    for (const char* name : {"ANN", "BOB", "CID"}) addProfile(name);
    enter(menu);
    keys(menu, {MenuKey::Down});  // shown, on the list
    EXPECT_EQ(focus(menu), menu->profilesList);
    keys(menu, {MenuKey::Down, MenuKey::Down});
    EXPECT_EQ(menu->profilesList->selected(), 1);
    EXPECT_TRUE(menu->playButton->enabled);
    keys(menu, {MenuKey::Right});
    EXPECT_EQ(focus(menu), button(menu, "delete"));  // the button beside row 2
    keys(menu, {MenuKey::Left, MenuKey::Down, MenuKey::Down});
    EXPECT_EQ(menu->profilesList->selected(), 2);
    EXPECT_EQ(focus(menu), menu->playButton);  // past the last row
    keys(menu, {MenuKey::Up});
    EXPECT_EQ(focus(menu), menu->profilesList);

    // The mouse moved over CREATORS: the ring goes; the next key shows it there.
    PBButton* creators = button(menu, "creators");
    game.renderer->mouseX = static_cast<float>(creators->x + 10);
    game.renderer->mouseY = static_cast<float>(creators->y + 10);
    menu->update(0.01f);
    EXPECT_FALSE(menu->menuFocusShown);
    EXPECT_TRUE(creators->hovered);
    keys(menu, {MenuKey::Press});
    EXPECT_EQ(focus(menu), creators);
    EXPECT_FALSE(creators->hovered);  // the ring alone shows what ENTER presses
    keys(menu, {MenuKey::Press});
    EXPECT_EQ(afterFade(menu), game.context.screens.creatorsScreen);
}

TEST_F(MenuKeys, PlayerMenuStartsOnPlayTheListChoosesTheOpponentAndBackLeaves)
{
    game.profileStore.selectProfile(addProfile("ANN"));
    enter(player);
    keys(player, {MenuKey::Press});
    EXPECT_EQ(focus(player), player->playButton);
    keys(player, {MenuKey::Left});
    EXPECT_EQ(focus(player), player->opponentsList);
    keys(player, {MenuKey::Down});
    EXPECT_EQ(player->selectedOpponent, 1);
    EXPECT_FALSE(player->playButton->enabled);  // a new profile has not opened the second
    keys(player, {MenuKey::Up});
    EXPECT_EQ(player->selectedOpponent, 0);
    walk(player, {{MenuKey::Right, player->playButton},
                  {MenuKey::Right, button(player, "practice")},
                  {MenuKey::Down, button(player, PlayerScreen::kTwoPlayersId)},  // under FREE PRACTICE
                  {MenuKey::Down, button(player, "quit")},
                  {MenuKey::Left, button(player, "settings")},
                  {MenuKey::Left, button(player, "help")}});
    keys(player, {MenuKey::Back});
    EXPECT_EQ(afterFade(player), menu);
}

TEST_F(MenuKeys, SettingsGoDownBothColumnsLeftAndRightStepAndBackKeepsThem)
{
    game.profileStore.selectProfile(addProfile("ANN"));
    enter(settings);
    keys(settings, {MenuKey::Down});
    EXPECT_EQ(focus(settings), settings->selectors.front());
    // Past the left column's last row (its six, two of ours among them and one below them)
    // into the right column's: the wide picture's beside the profile's name, then the
    // boundaries'.
    for (int i = 0; i < 11; ++i) keys(settings, {MenuKey::Down});
    PBSelector* rodSelection = settings->selector("rodSelection");
    EXPECT_EQ(focus(settings), rodSelection);
    const int before = rodSelection->currentIndex;
    keys(settings, {MenuKey::Right});
    EXPECT_EQ(rodSelection->currentIndex, before + 1);
    EXPECT_EQ(focus(settings), rodSelection);
    for (int i = 0; i < 7; ++i) keys(settings, {MenuKey::Down});
    EXPECT_EQ(focus(settings), settings->quitButton);
    keys(settings, {MenuKey::Up});
    EXPECT_EQ(focus(settings), settings->selector("difficulty"));
    keys(settings, {MenuKey::Back});
    EXPECT_EQ(afterFade(settings), player);
    EXPECT_EQ(game.profileStore.currentProfile->rodSelection, before + 1);
    EXPECT_TRUE(saved());
}

TEST_F(MenuKeys, HelpStartsOnNextAndHandsTheFocusToExitOnTheLastPage)
{
    help->page = 0;
    help->returnScreen = player;
    enter(help);
    keys(help, {MenuKey::Press});
    EXPECT_EQ(focus(help), help->nextButton);
    keys(help, {MenuKey::Press, MenuKey::Press, MenuKey::Press});
    EXPECT_EQ(help->page, help->pageCount() - 1);
    EXPECT_EQ(focus(help), button(help, "back"));
    keys(help, {MenuKey::Back});
    EXPECT_EQ(afterFade(help), player);
}

TEST_F(MenuKeys, DeleteQuestionStartsOnNoAndANoticeGoesWithAPadPress)
{
    // A pad player can clear a notice as a mouse press does, once it has been seen.
    enter(menu);
    menu->notice = "THE GAME COULD NOT BE SAVED: [DISK FULL]";
    menu->noticeAge = PBScreen::kNoticeLeastSeconds;
    pad(menu, {MenuKey::Down});
    EXPECT_FALSE(menu->notice.empty());
    pad(menu, {MenuKey::Press});
    EXPECT_TRUE(menu->notice.empty());

    addProfile("ANN");
    remove->profileName = "ANN";
    enter(remove);
    keys(remove, {MenuKey::Press, MenuKey::Press});
    EXPECT_EQ(afterFade(remove), menu);
    EXPECT_EQ(game.profileStore.profiles.size(), 1u);
}

TEST_F(MenuKeys, APadTypesANameOnTheLetterGridAndBackErasesThenCancels)
{
    enter(create);
    EXPECT_FALSE(create->letterGrid->shown);
    keys(create, {MenuKey::Down});  // keys on a keyboard: no grid
    EXPECT_FALSE(create->letterGrid->shown);
    pad(create, {MenuKey::Down});
    ASSERT_TRUE(create->letterGrid->shown);
    EXPECT_EQ(focus(create), create->letterGrid);
    // The caps are the characters a name takes, then SPACE and DEL.
    EXPECT_EQ(create->gridCharacters(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    pad(create, {MenuKey::Press, MenuKey::Right, MenuKey::Press, MenuKey::Down, MenuKey::Down, MenuKey::Press});
    EXPECT_EQ(create->editor->text, "AB1");
    pad(create, {MenuKey::Back});
    EXPECT_EQ(create->editor->text, "AB");
    // Up from the top row leaves the grid for PLAY, above it.
    pad(create, {MenuKey::Up, MenuKey::Up, MenuKey::Up});
    EXPECT_EQ(focus(create), create->playButton);
    pad(create, {MenuKey::Press});
    EXPECT_EQ(afterFade(create), player);
    EXPECT_EQ(game.profileStore.currentProfile->name, "AB");

    // Coming back on the pad, the grid is there at once; back on an empty name cancels.
    player->carryMenuFocusTo(*create);
    enter(create);
    EXPECT_TRUE(create->letterGrid->shown);
    pad(create, {MenuKey::Back});
    EXPECT_EQ(afterFade(create), menu);
}

TEST_F(MenuKeys, EnterWhileTypingCreatesTheProfile)
{
    enter(create);
    game.context.inputSystem->typed = {'b', 'o'};
    create->update(0.01f);
    game.context.inputSystem->typed.clear();
    EXPECT_EQ(create->editor->text, "BO");
    keys(create, {MenuKey::Press});
    EXPECT_EQ(afterFade(create), player);
    EXPECT_EQ(game.profileStore.currentProfile->name, "BO");
}

struct PadQuitQuestion : MatchFixture {
    void menuKey(MenuKey key, bool pad) {
        game.context.inputSystem->menuKeys = {MenuKeyPress{key, pad}};
        frame(0.01f);
        game.context.inputSystem->menuKeys.clear();
    }
};

TEST_F(PadQuitQuestion, AAndBAnswerTheQuitQuestionTheKeyboardsEnterAndEscDoNot)
{
    start(-1);
    menuKey(MenuKey::Press, true);  // in play, a pad's A is not a menu key
    EXPECT_FALSE(match->paused);
    press(Key::Escape);
    ASSERT_TRUE(match->quitPrompt);
    menuKey(MenuKey::Press, false);
    menuKey(MenuKey::Back, false);
    EXPECT_TRUE(match->quitPrompt);
    menuKey(MenuKey::Back, true);
    EXPECT_FALSE(match->quitPrompt);
    EXPECT_FALSE(match->paused);
    press(Key::Escape);
    menuKey(MenuKey::Press, true);
    EXPECT_TRUE(match->leaving);
}

}  // namespace
