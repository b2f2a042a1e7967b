// The settings, help, credits and best-results screens drawn by the real renderer from the
// generated atlas and fonts under the test display. Each frame is written to a PNG in the
// test folder for a look, and checked for what a player would see: text on the panels,
// the frame around them, nothing blank.
#include "core/ErrorLog.h"
#include "screens/BestAchievementsScreen.h"
#include "screens/CreatorsScreen.h"
#include "screens/HelpScreen.h"
#include "screens/SettingsScreen.h"
#include "support/DrawingGame.h"

#include <gtest/gtest.h>

#include <cstdio>

#include <filesystem>

namespace {

class MenusGl : public ::testing::Test {
protected:
    GameWindow window;
    Game game;
    std::vector<std::uint8_t> image;

    void SetUp() override {
        // A run without a display leaves its lines behind; this run's are the ones checked.
        std::remove("menus_b_gl_errors.txt");
        setErrorLogPath("menus_b_gl_errors.txt");
        game.profileStore.filePath = "menus_b_gl_gamestate.dat";
        ASSERT_TRUE(startDrawingGame(window, game));
    }
    void TearDown() override {
        game.renderer->screen = nullptr;
    }

    // Draws the screen as the current one, fully faded in, and keeps the frame.
    void render(PBScreen* screen, const std::string& file) {
        game.renderer->screen = screen;
        screen->onEnter();
        screen->transition = PBScreen::Shown;
        game.renderer->mouseX = 1000;
        game.renderer->mouseY = 740;
        game.renderer->renderFrame();
        image = game.renderer->device->readBackBuffer();
        ASSERT_EQ(image.size(), 1024u * 768u * 4u);
        keepFrameAsPng(file, image);
    }
    Pixel at(int x, int y) const { return pixelAt(image, x, y); }
    // Near-white and orange pixels in a rectangle: the ink of text.
    int ink(int x0, int y0, int x1, int y1) const {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                Pixel p = at(x, y);
                const bool white = p.r > 220 && p.g > 220 && p.b > 220;
                const bool orange = p.r > 230 && p.g > 150 && p.g < 190 && p.b < 60;
                n += white || orange;
            }
        return n;
    }
};

TEST_F(MenusGl, SettingsAndHelpAreDrawnReadably)
{
    Profile* ann = game.profileStore.addProfile("ANN");
    game.profileStore.selectProfile(ann);
    SettingsScreen* settings = new SettingsScreen(&game.context, game.renderer);
    game.context.screens.settingsScreen = settings;
    render(settings, "menus_b_settings.png");
    // The header bar, then labels and values in both columns.
    Pixel header = at(300, 20);
    EXPECT_NEAR(header.r, 0x6C, 3);
    EXPECT_GT(ink(180, 180, 320, 330), 300) << "left labels";
    EXPECT_GT(ink(540, 180, 820, 480), 800) << "right labels";
    EXPECT_GT(ink(320, 180, 420, 520), 150) << "selector values";
    EXPECT_GT(ink(200, 115, 360, 135), 60) << "profile name line";

    HelpScreen* help = new HelpScreen(&game.context, game.renderer);
    game.context.screens.helpScreen = help;
    for (int page = 0; page < 4; ++page) {
        help->page = page;
        render(help, "menus_b_help" + std::to_string(page + 1) + ".png");
        // Text fills the panel's top and none spills onto the frame's right edge.
        EXPECT_GT(ink(60, 90, 964, 300), 1500) << "page " << page + 1;
        EXPECT_LT(ink(972, 80, 984, 600), 5) << "page " << page + 1;
    }
    EXPECT_FALSE(std::filesystem::exists("menus_b_gl_errors.txt"));
}

TEST_F(MenusGl, CreditsAndBestResultsAreDrawnReadably)
{
    CreatorsScreen* creators = new CreatorsScreen(&game.context, game.renderer);
    game.context.screens.creatorsScreen = creators;
    render(creators, "menus_b_creators.png");
    EXPECT_GT(ink(200, 100, 980, 300), 1500);

    game.profileStore.best.push_back({"ANN", 7, 0});
    game.profileStore.best.push_back({"BOB THE SECOND", 3, 4});
    game.profileStore.best.push_back({"CARLA", 0, 2});
    BestAchievementsScreen* best = new BestAchievementsScreen(&game.context, game.renderer);
    game.context.screens.bestAchievementsScreen = best;
    render(best, "menus_b_best.png");
    EXPECT_GT(ink(250, 160, 770, 180), 80) << "column titles";
    EXPECT_GT(ink(280, 185, 736, 280), 300) << "three rows";
    EXPECT_LT(ink(280, 300, 736, 520), 5) << "the rows below stay empty";
    // The portrait in the last column of the first row is not the panel colour.
    Pixel portrait = at(753, 200);
    EXPECT_FALSE(std::abs(portrait.r - 0x6C) < 4 && std::abs(portrait.g - 0x64) < 4);
}

}  // namespace
