// The menu sounds of a real game: the whole game is started on the test display with
// OpenAL Soft's silent backend and its menus are built. The ball rolls while its menu
// screens fade (watched through the OpenAL source behind the menu sound player's voice),
// and its widgets sound through it for as long as it exists.
#include "AudioTestSupport.h"

#include "app/Game.h"
#include "audio/MatchSoundPlayer.h"
#include "platform/window/GameWindow.h"
#include "render/Renderer.h"
#include "screens/PBScreen.h"
#include "screens/ProfilesScreen.h"
#include "ui/widgets/PBButton.h"
#include "ui/widgets/PBList.h"
#include "ui/widgets/WidgetServices.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// The OpenAL state of the rolling loop's source; AL_STOPPED once the voice is gone, as
// the source it used is then idle or stopped.
ALint rollingState(Game& game) {
    const Voice* voice = game.context.matchSoundPlayer->loopVoice;
    if (voice == nullptr) return AL_STOPPED;
    ALint state = 0;
    alGetSourcei(game.context.soundSystem->sourceOf(voice), AL_SOURCE_STATE, &state);
    return state;
}

// Updates the current screen `updates` times by 1/8 s (exact in binary, so a 0.8 s fade
// ends on the seventh update); false as soon as the rolling loop's state after an update
// differs from `state`.
bool holdsFor(Game& game, int updates, ALint state) {
    for (int i = 0; i < updates; ++i) {
        currentScreen(*game.renderer)->update(0.125f);
        if (rollingState(game) != state) return false;
    }
    return true;
}

class MenuFadeRoll : public ::testing::Test {
protected:
    void SetUp() override {
        useNullAudioBackend();
        char pattern[] = "/tmp/pitchbar-menu-roll-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        std::filesystem::create_directory_symlink(resourcesDir(), folder_ / "resources");
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(folder_);
        setErrorLogPath((folder_ / "error.txt").string());
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::filesystem::path folder_, previous_;
};

TEST_F(MenuFadeRoll, LoopPlaysFromTheSwitchToTheEndOfTheFadeInAndOnlyBetweenFramedScreens) {
    GameWindow window;
    ASSERT_TRUE(window.create());
    Game game;
    ASSERT_TRUE(game.init(&window));
    game.createMenus();
    ASSERT_NE(game.context.screens.creatorsScreen, nullptr);
    ASSERT_NE(game.context.screens.helpScreen, nullptr);
    ASSERT_NE(game.context.matchSoundPlayer->roll, nullptr);
    const int voicesAtRest = game.context.soundSystem->voicesInUse();  // the music

    // The credits (a framed menu) fade to help (framed): the loop starts at the switch, keeps
    // rolling through the fade-out and the fade-in, and stops when the fade-in is over.
    PBScreen* credits = static_cast<PBScreen*>(game.context.screens.creatorsScreen);
    PBScreen* help = static_cast<PBScreen*>(game.context.screens.helpScreen);
    game.renderer->screen = credits;
    credits->transition = PBScreen::Shown;
    credits->onEnter();
    EXPECT_EQ(rollingState(game), AL_STOPPED);
    credits->switchTo(help);
    EXPECT_EQ(rollingState(game), AL_PLAYING);
    EXPECT_EQ(game.context.soundSystem->voicesInUse(), voicesAtRest + 1);
    EXPECT_TRUE(holdsFor(game, 7, AL_PLAYING));
    ASSERT_EQ(game.renderer->screen, help);
    EXPECT_TRUE(holdsFor(game, 6, AL_PLAYING));
    EXPECT_TRUE(holdsFor(game, 1, AL_STOPPED));
    EXPECT_EQ(help->transition, PBScreen::Shown);
    EXPECT_EQ(game.context.matchSoundPlayer->loopVoice, nullptr);
    EXPECT_EQ(game.context.soundSystem->voicesInUse(), voicesAtRest);

    // An unframed screen (the loading picture, the match) fading to a menu is silent until
    // its fade-out ends; the menu's fade-in then rolls and stops at its end.
    PBScreen plain(&game.context, game.renderer);
    game.renderer->screen = &plain;
    plain.switchTo(credits);
    EXPECT_TRUE(holdsFor(game, 6, AL_STOPPED));
    EXPECT_TRUE(holdsFor(game, 1, AL_PLAYING));
    ASSERT_EQ(game.renderer->screen, credits);
    EXPECT_TRUE(holdsFor(game, 6, AL_PLAYING));
    EXPECT_TRUE(holdsFor(game, 1, AL_STOPPED));

    // A menu fading to an unframed screen rolls during its fade-out only.
    credits->switchTo(&plain);
    EXPECT_EQ(rollingState(game), AL_PLAYING);
    EXPECT_TRUE(holdsFor(game, 6, AL_PLAYING));
    EXPECT_TRUE(holdsFor(game, 1, AL_STOPPED));
    ASSERT_EQ(game.renderer->screen, &plain);
    EXPECT_TRUE(holdsFor(game, 8, AL_STOPPED));
    EXPECT_EQ(game.context.soundSystem->voicesInUse(), voicesAtRest);

    game.renderer->screen = nullptr;
    std::ifstream errors(folder_ / "error.txt");
    std::string firstError;
    std::getline(errors, firstError);
    EXPECT_EQ(firstError, "");
}

TEST_F(MenuFadeRoll, WidgetsTakeTheGamesStyleAndSoundsOnlyWhileItExists) {
    GameWindow window;
    ASSERT_TRUE(window.create());
    {
        Game game;
        EXPECT_EQ(widgetStyle(), nullptr);
        ASSERT_TRUE(game.init(&window));
        game.createMenus();
        ASSERT_NE(game.context.guiStyle, nullptr);
        EXPECT_EQ(widgetStyle(), game.context.guiStyle);
        auto* menu = static_cast<ProfilesScreen*>(game.context.screens.profilesScreen);
        EXPECT_EQ(menu->profilesList->style, game.context.guiStyle);

        // Hovering a button plays the hover sound on a voice of its own.
        PBButton* button = nullptr;
        for (GUIComponent* c : menu->components)
            if (auto* b = dynamic_cast<PBButton*>(c); b && b->id == "new") button = b;
        ASSERT_NE(button, nullptr);
        const int voicesBefore = game.context.soundSystem->voicesInUse();
        button->onMouseMove(1, 1);
        EXPECT_EQ(game.context.soundSystem->voicesInUse(), voicesBefore + 1);
        game.renderer->screen = nullptr;
    }
    // The style and the sound player went with the game: widgets are undrawn and silent.
    EXPECT_EQ(widgetStyle(), nullptr);
    playWidgetHover();
    playWidgetClick();
}

}  // namespace
